#pragma once
// The skin's key names: the entry names a skin package is asked for, in
// four key groups. A key is an index into its group; the group's base
// added to it gives the position of the name in Skin2KeyNames.
//
//   colours  base 0   32 keys  read as integers (0x00BBGGRR, -1 absent)
//   bitmaps  base 32  34 keys  read as bitmaps (null absent)
//   metrics  base 66   9 keys  read as integers (-1 absent)
//   flags    base 75   9 keys  read as booleans (false absent)
//
// Each group is its own enumeration, so a bitmap key cannot be passed
// where a colour key is expected.
#include <array>
#include <cstdint>
#include <string_view>

enum TSkin2ColorKey : std::uint8_t {
  SKIN2_TRANSCOLOR,
  SKIN2_TITLEFONTCOLOR,
  SKIN2_FORMCOLOR,
  SKIN2_MENUBARSTARTCOLOR,
  SKIN2_MENUBARENDCOLOR,
  SKIN2_TOPSELECTEDMENUCOLOR,
  SKIN2_TOPSELECTEDMENUBORDERCOLOR,
  SKIN2_TOPSELECTEDMENUFONTCOLOR,
  SKIN2_TOPMENUFONTCOLOR,
  SKIN2_LEFTBARSTARTCOLOR,
  SKIN2_LEFTBARENDCOLOR,
  SKIN2_MENUITEMCOLOR,
  SKIN2_MENUITEMFONTCOLOR,
  SKIN2_SELECTEDMENUCOLOR,
  SKIN2_SELECTEDMENUBORDERCOLOR,
  SKIN2_SELECTEDMENUFONTCOLOR,
  SKIN2_TOOLBARSTARTCOLOR,
  SKIN2_TOOLBARENDCOLOR,
  SKIN2_TOOLBARONCOLOR,
  SKIN2_TOOLBARBORDERCOLOR,
  SKIN2_TOOLBARDOWNCOLOR,
  SKIN2_CONTROLCOLOR,
  SKIN2_CONTROLBORDERCOLOR,
  SKIN2_CONTROLFONTCOLOR,
  SKIN2_BUTTONFONTCOLOR,
  SKIN2_SCROLLBARCOLOR,
  SKIN2_TABCONTROLCOLOR,
  SKIN2_TABCONTROLBORDERCOLOR,
  SKIN2_TABCONTROLACTIVEFONTCOLOR,
  SKIN2_TABCONTROLINACTIVEFONTCOLOR,
  SKIN2_SIDECHANNELCOLOR,
  SKIN2_SIDECHANNELBORDERCOLOR,
};

enum TSkin2BitmapKey : std::uint8_t {
  SKIN2_TITLEBAR1,
  SKIN2_TITLEBAR2,
  SKIN2_TITLEBAR3,
  SKIN2_TITLEBAR4,
  SKIN2_TITLEBAR5,
  SKIN2_FORMLEFTBORDER,
  SKIN2_FORMRIGHTBORDER,
  SKIN2_FORMBOTTOMBORDER1,
  SKIN2_FORMBOTTOMBORDER2,
  SKIN2_FORMBOTTOMBORDER3,
  SKIN2_MINIMIZEDTITLE,
  SKIN2_TITLEBUTTONS,
  SKIN2_CHECKEDMENUICON,
  SKIN2_MENUBAR,
  SKIN2_TOOLBAR,
  SKIN2_BUTTON,
  SKIN2_CHECKBOX,
  SKIN2_CHECKBOXLIST,
  SKIN2_RADIOBUTTON,
  SKIN2_PROGRESSBAR1,
  SKIN2_PROGRESSBAR2,
  SKIN2_PROGRESSBAR3,
  SKIN2_PROGRESSBAR4,
  SKIN2_TRACKBAR,
  SKIN2_TRACKBARSLIDER,
  SKIN2_TRACKBARVSLIDER,
  SKIN2_SCROLLBARUPBUTTON,
  SKIN2_SCROLLBAR,
  SKIN2_SCROLLBARDOWNBUTTON,
  SKIN2_TABCONTROL,
  SKIN2_TABCONTROLLINE,
  SKIN2_SIDECHANNELBAR,
  SKIN2_SIDECHANNELTITLE,
  SKIN2_SCROLLBUTTON,
};

enum TSkin2MetricKey : std::uint8_t {
  SKIN2_TITLEBARICONPOSX,
  SKIN2_TITLEBARICONPOSY,
  SKIN2_TITLEBARCAPTIONTOP,
  SKIN2_TITLEBARBUTTONPOSX,
  SKIN2_TITLEBARBUTTONPOSY,
  SKIN2_TITLEBARREGIONMINY,
  SKIN2_TITLEBARREGIONMAXY,
  SKIN2_BOTTOMREGIONMINY,
  SKIN2_BOTTOMREGIONMAXY,
};

enum TSkin2FlagKey : std::uint8_t {
  SKIN2_TITLEFIVESECT,
  SKIN2_BOTTOMBORDERTHREESECT,
  SKIN2_TITLEBARNEEDREGION,
  SKIN2_BOTTOMBORDERNEEDREGION,
  SKIN2_TITLEBTNTRANS,
  SKIN2_BUTTONTRANS,
  SKIN2_CHECKBOXTRANS,
  SKIN2_RADIOBUTTONTRANS,
  SKIN2_TABCONTROLTRANS,
};

constexpr int kSkin2ColorBase = 0;
constexpr int kSkin2ColorCount = 32;
constexpr int kSkin2BitmapBase = 32;
constexpr int kSkin2BitmapCount = 34;
constexpr int kSkin2MetricBase = 66;
constexpr int kSkin2MetricCount = 9;
constexpr int kSkin2FlagBase = 75;
constexpr int kSkin2FlagCount = 9;
constexpr int kSkin2KeyCount = 84;

// All key names, colours first, then bitmaps, metrics and flags.
extern const std::array<std::string_view, kSkin2KeyCount> Skin2KeyNames;

// The entry name of a key: Skin2KeyNames[group base + key]. A key outside
// its group gives an empty name (which no entry has).
std::string_view Skin2KeyName(TSkin2ColorKey key);
std::string_view Skin2KeyName(TSkin2BitmapKey key);
std::string_view Skin2KeyName(TSkin2MetricKey key);
std::string_view Skin2KeyName(TSkin2FlagKey key);
