#include "draw/presets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "console/text.h"
#include "draw/editor_screen.h"
#include "support/bans.h"

namespace {

std::u32string codePoints(std::string_view utf8) {
  std::u32string text;
  for (; !utf8.empty(); utf8.remove_prefix(firstCharacter(utf8).length)) {
    text += firstCharacter(utf8).codePoint;
  }
  return text;
}

// A name as the roster writes it, from the menu's half-width katakana.
std::u32string fullWidth(std::u32string_view menuName) {
  const std::u32string half = U"ｦｧｨｩｪｫｬｭｮｯｰｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍﾎﾏﾐﾑﾒﾓﾔﾕﾖﾗﾘﾙﾚﾛﾜﾝ";
  const std::u32string full =
      U"ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテトナニヌ"
      U"ネノハヒフヘホマミムメモヤユヨラリルレロワン";
  std::u32string name;
  for (char32_t c : menuName) {
    if (c == U'ﾞ' || c == U'ﾟ') {
      name.back() += c == U'ﾞ' ? 1 : 2;  // ｶﾞ is ガ, ﾊﾟ is パ
    } else {
      name += full[half.find(c)];
    }
  }
  return name;
}

// What the menu line of preset `number` says it bans on a roster with no
// bans: the entries it names, all but one class or kind, everything, nothing,
// or what two other presets ban.
template <typename R>
Banned bansNamedBy(const ScreenDescription<R>& screen, const R& roster, int number) {
  const std::string menu(screen.menu);
  const std::string label = std::to_string(screen.presetKey) + "-" + std::to_string(number) + ":";
  if (menu.find(label) == std::string::npos) {
    return {};
  }
  std::string text = menu.substr(menu.find(label) + label.size());
  text = text.substr(0, std::min(text.find('\n'), text.find("　")));
  if (text.starts_with("[")) {  // "[7-1]+[7-2]"
    Banned both = bansNamedBy(screen, roster, text[3] - '0');
    both.merge(bansNamedBy(screen, roster, text[9] - '0'));
    return both;
  }
  for (int g = 1; g <= R::kGroups; ++g) {
    std::string heading(screen.headings[static_cast<size_t>(g - 1)]);
    std::erase(heading, '\n');
    if (text == heading + "のみ") {
      return entriesWhere<R>([g](int group, int) { return group != g; });
    }
  }
  if (text == "カート限定" || text == "バイク限定") {
    return entriesWhere<R>([&](int g, int) { return isKartGroup(g) != (text == "カート限定"); });
  }
  if (text.starts_with("すべて")) {
    return entriesWhere<R>([&](int, int) { return text.starts_with("すべて禁止"); });
  }
  // "ﾐｻｲﾙﾊﾞｰﾄﾞ、ｲﾅｽﾞﾏｾﾞﾛ禁止": names of the roster, without their "・"
  std::set<std::u32string> names;
  const std::u32string list = codePoints(text.substr(0, text.rfind("禁止")));
  for (size_t start = 0, end = 0; start <= list.size(); start = end + 1) {
    end = std::min(list.find(U'、', start), list.size());
    names.insert(fullWidth(list.substr(start, end - start)));
  }
  return entriesWhere<R>([&](int g, int e) {
    std::u32string name = codePoints(entryText(roster, g, e).substr(1));
    std::erase(name, U'・');
    return names.contains(name);
  });
}

template <typename R>
void expectPresetsToBanWhatTheirMenuNames(const ScreenDescription<R>& screen, const R& roster) {
  for (int number = 0; number <= screen.presets.banAll + 1; ++number) {
    R changed = roster;
    applyPreset(changed, screen.presets, number);
    EXPECT_EQ(bannedIn(changed), bansNamedBy(screen, roster, number)) << number;
  }
}

}  // namespace

TEST(Presets, BanExactlyWhatTheirMenuLineNames) {
  expectPresetsToBanWhatTheirMenuNames(kVehicleScreen, startingVehicleRoster());
  expectPresetsToBanWhatTheirMenuNames(kCharacterScreen, startingCharacterRoster());
}

TEST(Presets, OnlyAddBansAndTheAllowAllPresetLiftsThem) {
  for (int preset = 1; preset <= 6; ++preset) {
    VehicleRoster vehicles = startingVehicleRoster();
    applyPreset(vehicles, kVehicleScreen.presets, 8);
    applyPreset(vehicles, kVehicleScreen.presets, preset);
    EXPECT_EQ(bannedIn(vehicles).size(), 36U) << preset;
    applyPreset(vehicles, kVehicleScreen.presets, 7);
    EXPECT_EQ(bannedIn(vehicles), Banned{});
  }
  CharacterRoster characters = startingCharacterRoster();
  setFlag(characters, 1, 4, kBanned);
  applyPreset(characters, kCharacterScreen.presets, 1);  // light only, with one light ban kept
  EXPECT_EQ(bannedIn(characters).size(), 17U);
  EXPECT_EQ(flagOf(characters, 1, 4), kBanned);
  applyPreset(characters, kCharacterScreen.presets, 4);
  EXPECT_EQ(bannedIn(characters), Banned{});
}
