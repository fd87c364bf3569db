#include "app/AboutBox.h"

#include "Version.h"
#include "io/LibraryVersions.h"

#include <QMessageBox>

QString aboutText() {
    return QStringLiteral("量率グラフ (Tallyfold) %1\n\n"
                          "MIT ライセンス\nCopyright (c) 2026 Tallyfold developers\n\n"
                          "使用しているライブラリ:\n%2")
        .arg(QString::fromLatin1(TallyfoldVersion), libraryVersions().join(u'\n'));
}

void showAbout(QWidget* parent) {
    auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("バージョン情報"),
                                aboutText(), QMessageBox::Ok, parent);
    box->setObjectName(QStringLiteral("about-box"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
