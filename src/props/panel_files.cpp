// The panel's two file buttons: the item's picture and the "..." file address.
#include "edit/web_address.h"
#include "props/panel.h"
#include "text/utf8_cp1251.h"

#include <memory>

namespace lumeris {

namespace {

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string fileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

void tbPhotoClick(Props& p, bool down, UserDialogs& dialogs, PictureLoader* pictures) {
    CPoint* const item = p.scheme.Selected.item;
    if (!item)
        return;
    {
        BusyGuard busy(p.scheme);
        p.scheme.setPhoto(item, nullptr);
    }
    const std::string preset = item->photo.empty() ? folderOf(p.doc.FileName)
                                                   : pictureFilePath(item->photo, p.doc.FileName);
    p.scheme.setText(item->photo, {});
    if (down)
        if (const auto chosen = dialogs.pickPicture(preset)) {
            // A photo beside the scheme is stored by its name, so the two can move together.
            const bool besideScheme = folderOf(*chosen) == folderOf(p.doc.FileName);
            p.scheme.setText(item->photo,
                             utf8ToCp1251(besideScheme ? fileNameOf(*chosen) : *chosen));
        }
    if (!item->photo.empty() && pictures) {
        std::shared_ptr<Picture> photo = pictures->loadPhoto(item->photo, p.doc.FileName);
        if (!photo) // a file that is no picture leaves an empty one, silently
            photo = std::make_shared<Picture>();
        p.scheme.setPhoto(item, std::move(photo));
    }
    RefreshPropertiesPanel(p);
    ++p.scheme.RedrawRequests;
}

void SpeedButton1Click(Props& p, UserDialogs& dialogs) {
    CPoint* const item = p.scheme.Selected.item;
    if (!item)
        return;
    const std::string preset = item->url.empty() || isWebAddress(item->url) ? "" : item->url;
    if (const auto chosen = dialogs.openFile(OpenDialogKind::Photo, preset)) {
        p.scheme.setText(item->url, utf8ToCp1251(*chosen));
        if (item->Name.empty())
            p.scheme.setText(item->Name, utf8ToCp1251(fileNameOf(*chosen)));
    }
    ++p.scheme.RedrawRequests;
}

} // namespace lumeris
