// The skin's colours: a dark header, a white body, one warm accent for the main actions,
// and the dark grey scheme of the tip windows.
#pragma once

#include "tools/skin_art/color.h"

namespace skin_art::palette {

inline constexpr Color kHeaderTop = Rgb(0x1a2130);
inline constexpr Color kHeaderBottom = Rgb(0x252f44);
inline constexpr Color kHeaderText = Rgb(0xffffff);
inline constexpr Color kHeaderSubtext = Rgb(0xaab3c2);
inline constexpr Color kHeaderIcon = Rgb(0x9aa3b3);

inline constexpr Color kAccent = Rgb(0xec4a3c);
inline constexpr Color kAccentHover = Rgb(0xf3665a);
inline constexpr Color kAccentPushed = Rgb(0xcf3a2d);
inline constexpr Color kAccentTint = Rgb(0xfdeceb);
inline constexpr Color kAccentShadow = Rgb(0xec4a3c, 0.32f);

inline constexpr Color kWhite = Rgb(0xffffff);
inline constexpr Color kBodyText = Rgb(0x666666);
inline constexpr Color kCaptionText = Rgb(0x4a4a4a);
inline constexpr Color kMutedIcon = Rgb(0x9a9a9a);
inline constexpr Color kDarkIcon = Rgb(0x4a4a4a);
inline constexpr Color kLine = Rgb(0xd0d0d0);
inline constexpr Color kBoxBorder = Rgb(0xb8b8b8);
inline constexpr Color kHoverWash = Rgb(0xf2f2f2);
inline constexpr Color kPushedWash = Rgb(0xe6e6e6);
inline constexpr Color kTrack = Rgb(0xe9ebef);
inline constexpr Color kScrollTrack = Rgb(0xf1f1f1);
inline constexpr Color kScrollThumb = Rgb(0xc6c6c6);
inline constexpr Color kDisabled = Rgb(0xc9cdd4);

inline constexpr Color kTipIcon = Rgb(0x8c8c8c);
inline constexpr Color kTipIconHot = Rgb(0xffffff);
inline constexpr Color kTipText = Rgb(0xbebebe);
inline constexpr Color kTipBorder = Rgb(0x5c5c5c);
inline constexpr Color kTipBorderHot = Rgb(0x8a8a8a);
inline constexpr Color kTipWash = Rgb(0xffffff, 0.06f);
inline constexpr Color kTipPushed = Rgb(0x000000, 0.18f);
inline constexpr Color kWarning = Rgb(0xf5a524);

}  // namespace skin_art::palette
