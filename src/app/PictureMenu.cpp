#include "app/PictureMenu.h"

#include "app/ChoiceMenu.h"

void addPictureMenu(QMenu& menu, const PictureSettings& settings,
                    const std::function<void(const PictureSettings&)>& change) {
    ChoiceMenu resolution(menu, QStringLiteral("画像の解像度(&R)"), QStringLiteral("resolution"));
    for (int dpi : {96, 150, 300, 600})
        resolution.add(QStringLiteral("%1 dpi").arg(dpi), QStringLiteral("dpi-%1").arg(dpi),
                       settings.dpi == dpi, [change, settings, dpi] {
                           PictureSettings changed = settings;
                           changed.dpi = dpi;
                           change(changed);
                       });
}
