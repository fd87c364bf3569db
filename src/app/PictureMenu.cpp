#include "app/PictureMenu.h"

#include <QActionGroup>
#include <QMenu>

void addPictureMenu(QMenu& menu, const PictureSettings& settings,
                    const std::function<void(const PictureSettings&)>& change) {
    QMenu* resolution = menu.addMenu(QStringLiteral("画像の解像度(&R)"));
    resolution->setObjectName(QStringLiteral("resolution-menu"));
    resolution->menuAction()->setObjectName(QStringLiteral("resolution"));
    auto* group = new QActionGroup(resolution);
    for (int dpi : {96, 150, 300, 600}) {
        QAction* action = resolution->addAction(QStringLiteral("%1 dpi").arg(dpi));
        action->setObjectName(QStringLiteral("dpi-%1").arg(dpi));
        action->setCheckable(true);
        action->setActionGroup(group);
        action->setChecked(settings.dpi == dpi);
        QObject::connect(action, &QAction::triggered, action, [change, settings, dpi] {
            PictureSettings changed = settings;
            changed.dpi = dpi;
            change(changed);
        });
    }
}
