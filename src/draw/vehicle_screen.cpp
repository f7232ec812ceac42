#include "draw/editor_screen.h"

// Groups 1-6 without headings, two entries a row; 7 presets, 8 characters.
constexpr ScreenDescription<VehicleRoster> kVehicleScreen = {
    // In the order of ScreenDescription: layout, texts, keys, presets.
    {},
    2,
    "%d-%d:%23s",
    "　　　 ",
    // No line end before "8:": the tool's behaviour, kept on purpose.
    "\n7-1:ﾐｻｲﾙﾊﾞｰﾄﾞ、ｲﾅｽﾞﾏｾﾞﾛ、ｷﾞｶﾞﾝﾄﾎｲｰﾙ、ﾘﾄﾙﾌﾞｰｽﾀｰ禁止\n"
    "7-2:ﾑｰﾝﾗｲﾄﾜﾙﾂ、ﾏｰﾒｲﾄﾞﾃｰﾙ、ｽﾄｰﾑﾗｲﾅｰ禁止\n"
    "7-3:[7-1]+[7-2]\n"
    "7-4:ﾘﾄﾙﾌﾞｰｽﾀｰ、ｻﾝﾀﾞｰﾎｰﾝ、ｼﾞｮｰｶｰ禁止\n"
    "7-5:カート限定　7-6:バイク限定　7-7:すべて解禁\n"
    "　7-8:すべて禁止"
    "8:キャラ縛りを設定する\n0:設定終了\n",
    "\n□マシンの縛り選択\n(○-○の形式で選択、選択しなおせば戻る。「-」がついたマシンは出現しない):",
    "□その番号のマシンはありません\n",
    7,
    8,
    EditorScreen::characters,
    {kVehicleBans, 7, 8}};
