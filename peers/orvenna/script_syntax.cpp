#include "peers/orvenna/script_syntax.h"

#include <duktape.h>

#include <memory>

namespace orvenna {

namespace {

struct HeapDestroyer {
  void operator()(duk_context* ctx) const { duk_destroy_heap(ctx); }
};
using Heap = std::unique_ptr<duk_context, HeapDestroyer>;

Heap new_heap() {
  return Heap(duk_create_heap_default());
}

}  // namespace

std::optional<std::string> script_syntax_error(std::string_view text) {
  Heap heap = new_heap();
  duk_context* ctx = heap.get();
  duk_push_string(ctx, "syntax");
  if (duk_pcompile_lstring_filename(ctx, 0, text.data(), text.size()) == 0) return std::nullopt;
  return std::string(duk_safe_to_string(ctx, -1));
}

std::optional<std::string> string_literal_value(std::string_view literal) {
  // Parenthesised, so that nothing after the literal can join it into a longer expression.
  const std::string expression = "(" + std::string(literal) + "\n)";
  Heap heap = new_heap();
  duk_context* ctx = heap.get();
  if (duk_peval_lstring(ctx, expression.data(), expression.size()) != 0 || !duk_is_string(ctx, -1))
    return std::nullopt;
  duk_size_t size = 0;
  const char* value = duk_get_lstring(ctx, -1, &size);
  return std::string(value, size);
}

}  // namespace orvenna
