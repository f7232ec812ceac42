#include "draw/editor_screen.h"

namespace {

// What presets 7-1 to 7-6 of the menu below ban.
constexpr std::array<BanList, 6> kVehicleBans = {{
    // 7-1: ミサイルバード, イナズマ・ゼロ, ギガントホイール, リトル・ブースター
    {{{4, 2}, {5, 2}, {6, 2}, {1, 3}}},
    // 7-2: ムーン・ライト・ワルツ, マーメイドテール, ストームライナー
    {{{4, 5}, {5, 6}, {5, 5}}},
    // 7-3: 7-1 and 7-2
    {{{4, 2}, {5, 2}, {6, 2}, {1, 3}, {4, 5}, {5, 6}, {5, 5}}},
    // 7-4: リトル・ブースター, サンダーホーン, ジョーカー
    {{{1, 3}, {2, 3}, {3, 6}}},
    // 7-5: karts only
    {{{4, kWholeGroup}, {5, kWholeGroup}, {6, kWholeGroup}}},
    // 7-6: bikes only
    {{{1, kWholeGroup}, {2, kWholeGroup}, {3, kWholeGroup}}},
}};

}  // namespace

// Groups 1-6 without headings, two entries a row; 7 presets, 8 characters.
constexpr ScreenDescription<VehicleRoster> kVehicleScreen = {
    .headings = {},
    .columns = 2,
    .entryFormat = "%d-%d:%23s",
    .gap = "　　　 ",
    // No line end before "8:": the tool's behaviour, kept on purpose.
    .menu =
        "\n7-1:ﾐｻｲﾙﾊﾞｰﾄﾞ、ｲﾅｽﾞﾏｾﾞﾛ、ｷﾞｶﾞﾝﾄﾎｲｰﾙ、ﾘﾄﾙﾌﾞｰｽﾀｰ禁止\n"
        "7-2:ﾑｰﾝﾗｲﾄﾜﾙﾂ、ﾏｰﾒｲﾄﾞﾃｰﾙ、ｽﾄｰﾑﾗｲﾅｰ禁止\n"
        "7-3:[7-1]+[7-2]\n"
        "7-4:ﾘﾄﾙﾌﾞｰｽﾀｰ、ｻﾝﾀﾞｰﾎｰﾝ、ｼﾞｮｰｶｰ禁止\n"
        "7-5:カート限定　7-6:バイク限定　7-7:すべて解禁\n"
        "　7-8:すべて禁止"
        "8:キャラ縛りを設定する\n0:設定終了\n",
    .prompt =
        "\n□マシンの縛り選択\n"
        "(○-○の形式で選択、選択しなおせば戻る。「-」がついたマシンは出現しない):",
    .notice = "□その番号のマシンはありません\n",
    .presetKey = 7,
    .switchKey = 8,
    .other = EditorScreen::characters,
    .presets = {.bans = kVehicleBans, .allowAll = 7, .banAll = 8},
};
