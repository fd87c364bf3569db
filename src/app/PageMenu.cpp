#include "app/PageMenu.h"

#include "app/ChoiceMenu.h"

#include <QMenu>

#include <vector>

namespace {

// One choice of a submenu: its text, its object's name and how it changes the setup.
struct Choice {
    QString text;
    QString name;
    PageSetup chosen;
};

QMenu& addChoices(QMenu& parent, const QString& title, const QString& name,
                  const std::vector<Choice>& choices, const PageSetup& setup,
                  const std::function<void(const PageSetup&)>& change) {
    ChoiceMenu submenu(parent, title, name);
    for (const Choice& choice : choices)
        submenu.add(choice.text, choice.name, choice.chosen == setup,
                    [change, chosen = choice.chosen] { change(chosen); });
    return submenu.menu();
}

} // namespace

void addPageMenu(QMenu& menu, const PageSetup& setup,
                 const std::function<void(const PageSetup&)>& change) {
    QMenu* page = menu.addMenu(QStringLiteral("ページ設定(&G)"));
    page->menuAction()->setObjectName(QStringLiteral("page-setup"));
    const auto with = [&setup](auto member, auto value) {
        PageSetup changed = setup;
        changed.*member = value;
        return changed;
    };

    std::vector<Choice> papers;
    for (const auto& [paper, text, name] :
         {std::tuple{Paper::None, "指定なし (グラフの大きさ)(&N)", "none"},
          {Paper::A4, "A4", "a4"},
          {Paper::A3, "A3", "a3"},
          {Paper::B4, "B4 (JIS)", "b4"},
          {Paper::B5, "B5 (JIS)", "b5"},
          {Paper::Letter, "レター", "letter"}})
        papers.push_back({QString::fromUtf8(text), QStringLiteral("paper-") + QLatin1String(name),
                          with(&PageSetup::paper, paper)});
    addChoices(*page, QStringLiteral("用紙(&P)"), QStringLiteral("paper"), papers, setup, change);

    const std::vector<Choice> orientations = {
        {QStringLiteral("縦(&V)"), QStringLiteral("orientation-portrait"),
         with(&PageSetup::orientation, PageOrientation::Portrait)},
        {QStringLiteral("横(&H)"), QStringLiteral("orientation-landscape"),
         with(&PageSetup::orientation, PageOrientation::Landscape)}};
    const std::vector<Choice> placements = {
        {QStringLiteral("左上(&T)"), QStringLiteral("placement-topleft"),
         with(&PageSetup::placement, ChartPlacement::TopLeft)},
        {QStringLiteral("中央(&C)"), QStringLiteral("placement-centre"),
         with(&PageSetup::placement, ChartPlacement::Centre)},
        {QStringLiteral("用紙に合わせる(&F)"), QStringLiteral("placement-fit"),
         with(&PageSetup::placement, ChartPlacement::Fit)}};
    const bool onPaper = setup.paper != Paper::None;
    addChoices(*page, QStringLiteral("向き(&O)"), QStringLiteral("orientation"), orientations,
               setup, change)
        .menuAction()
        ->setEnabled(onPaper);
    addChoices(*page, QStringLiteral("配置(&L)"), QStringLiteral("placement"), placements, setup,
               change)
        .menuAction()
        ->setEnabled(onPaper);
}
