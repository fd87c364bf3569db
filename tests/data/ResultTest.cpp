#include "Printers.h"

#include "data/Result.h"
#include "data/RuntimeError.h"

#include <gtest/gtest.h>

namespace {

TEST(Failure, EachActionFramesItsMessage) {
    const QString file = QStringLiteral("/tmp/表.txt");
    const QString reason = QStringLiteral("アクセスが許可されていません。");
    const struct {
        Failure failure;
        const char* message;
    } cases[] = {
        {{Action::LoadTable, file, reason},
         "ファイル「/tmp/表.txt」を読み込めませんでした。\nアクセスが許可されていません。"},
        {{Action::LoadIncompleteTable, file, QStringLiteral("156 項目のうち 3 項目しかありません")},
         "ファイル「/tmp/表.txt」のデータは不完全です（156 項目のうち 3 項目しかありません）。"
         "何も読み込みませんでした。"},
        {{Action::SaveTable, file, reason},
         "ファイル「/tmp/表.txt」に保存できませんでした。\nアクセスが許可されていません。"},
        {{Action::LoadPicture, file, reason},
         "「/tmp/表.txt」をグラフとして読み込めませんでした。\nアクセスが許可されていません。"},
        {{Action::SavePicture, QStringLiteral("標準出力"), reason},
         "グラフを「標準出力」に保存できませんでした。\nアクセスが許可されていません。"},
        {{Action::Print, {}, QStringLiteral("プリンターを開けませんでした。")},
         "印刷できませんでした。\nプリンターを開けませんでした。"},
        {{Action::Print, QStringLiteral("/home/u/量率グラフ.pdf"), reason},
         "印刷できませんでした。\n「/home/u/量率グラフ.pdf」に書き出せませんでした。"
         "アクセスが許可されていません。"},
        {{Action::CopyPicture, {}, QStringLiteral("クリップボードを開けません。")},
         "実行時エラー '521':\n\nクリップボードを開けません。"},
        {{Action::DrawChart, file, QStringLiteral("実行時エラー '6':\n\nオーバーフローしました。")},
         "「/tmp/表.txt」: 実行時エラー '6':\n\nオーバーフローしました。"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(failureMessage(c.failure), QString::fromUtf8(c.message));
}

TEST(RuntimeError, IsAStandardExceptionWithItsMessageInUtf8) {
    try {
        throw RuntimeError::divisionByZero();
    } catch (const std::exception& error) {
        EXPECT_STREQ(error.what(), "実行時エラー '11':\n\n0 で除算しました。");
    }
}

} // namespace
