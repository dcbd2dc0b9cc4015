// nebulae\default: one thumbnail for each picture title.
#include "peers/orvenna/install/generated_pictures.h"
#include "peers/orvenna/install/install_steps.h"
#include "peers/orvenna/install/nebula_pictures.h"
#include "platform/desktop/utf8.h"

namespace orvenna {

void write_nebula_pictures(InstallWriter& writer, const std::wstring& install_folder) {
  std::wstring folder = install_folder + L"nebulae\\default\\";
  writer.folder(folder);
  for (const std::string& title : nebula_picture_titles())
    writer.picture(folder + desktop::from_utf8(title) + L".png", "nebula:" + title,
                   [&] { return nebula_thumbnail(title); });
}

}  // namespace orvenna
