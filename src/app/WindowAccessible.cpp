#include "app/WindowAccessible.h"

#include "app/DataTableWindow.h"
#include "app/EntryWindow.h"
#include "app/GraphWindow.h"
#include "app/LeaderLine.h"

#include <QAccessibleWidget>
#include <QFileInfo>
#include <QMenu>

namespace {

class WindowAccessible : public QAccessibleWidget {
public:
    explicit WindowAccessible(QWidget* window)
        : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override { return int(shown().size()); }
    QAccessibleInterface* child(int index) const override {
        const QWidgetList children = shown();
        return index >= 0 && index < children.size()
                   ? QAccessible::queryAccessibleInterface(children.at(index))
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child ? int(shown().indexOf(qobject_cast<QWidget*>(child->object()))) : -1;
    }

private:
    // The child widgets Qt would list, without the lines that only lead the eye.
    QWidgetList shown() const {
        QWidgetList children;
        for (QObject* object : widget()->children())
            if (auto* child = qobject_cast<QWidget*>(object); child && !child->isWindow() &&
                                                              !qobject_cast<QMenu*>(child) &&
                                                              !qobject_cast<LeaderLine*>(child))
                children << child;
        return children;
    }
};

QAccessibleInterface* windowFactory(const QString&, QObject* object) {
    if (qobject_cast<EntryWindow*>(object) || qobject_cast<GraphWindow*>(object) ||
        qobject_cast<DataTableWindow*>(object))
        return new WindowAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

void installWindowAccessible() {
    static const bool installed = [] {
        QAccessible::installFactory(windowFactory);
        return true;
    }();
    (void)installed;
}

QString windowAccessibleName(const QString& window, const QString& file) {
    QString name = QStringLiteral("量率グラフ");
    if (!window.isEmpty())
        name += QLatin1Char(' ') + window;
    return name + QStringLiteral(" — ") +
           (file.isEmpty() ? QStringLiteral("新しい表") : QFileInfo(file).fileName());
}
