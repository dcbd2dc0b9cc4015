// The objects and methods scripts call, bound into a Duktape context.
#pragma once

#include <duktape.h>

namespace orvenna {

class ScriptEngine;

void install_script_methods(duk_context* ctx, ScriptEngine& engine);

}  // namespace orvenna
