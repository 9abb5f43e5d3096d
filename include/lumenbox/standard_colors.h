// The library's 256 standard colours, by name, as colour numbers of the open
// window: in palette kinds the index of the palette entry nearest to the
// colour (matched whenever the whole palette is replaced), otherwise the
// colour itself. They hold 0 until the first window opens. Each name is a
// reference into GraphState.StandardColors, in the order of the library's
// standard colour table; the comment after it is the colour as RRGGBB.
// White and Black are the drawing defaults.
#pragma once

#include <cstdint>

#include <lumenbox/graph.h>

namespace lumenbox {

// ---- 0 to 15 --------------------------------------------------------------
inline std::uint32_t& AliceBlue = GraphState.StandardColors[0];  // F0F8FF
inline std::uint32_t& Alizarin = GraphState.StandardColors[1];  // E32636
inline std::uint32_t& Amber = GraphState.StandardColors[2];  // FFBF00
inline std::uint32_t& Amethyst = GraphState.StandardColors[3];  // 9966CC
inline std::uint32_t& AntiqueWhite = GraphState.StandardColors[4];  // FAEBD7
inline std::uint32_t& Aquamarine = GraphState.StandardColors[5];  // 7FFFD4
inline std::uint32_t& Asparagus = GraphState.StandardColors[6];  // 7BA05B
inline std::uint32_t& Azure = GraphState.StandardColors[7];  // F0FFFF
inline std::uint32_t& Beige = GraphState.StandardColors[8];  // F5F5DC
inline std::uint32_t& Bisque = GraphState.StandardColors[9];  // FFE4C4
inline std::uint32_t& Bistre = GraphState.StandardColors[10];  // 3D2B1F
inline std::uint32_t& BitterLemon = GraphState.StandardColors[11];  // CAE00D
inline std::uint32_t& Black = GraphState.StandardColors[12];  // 000000
inline std::uint32_t& BlanchedAlmond = GraphState.StandardColors[13];  // FFEBCD
inline std::uint32_t& BlazeOrange = GraphState.StandardColors[14];  // FF9900
inline std::uint32_t& Blue = GraphState.StandardColors[15];  // 0000FF

// ---- 16 to 31 -------------------------------------------------------------
inline std::uint32_t& BlueViolet = GraphState.StandardColors[16];  // 8A2BE2
inline std::uint32_t& BondiBlue = GraphState.StandardColors[17];  // 0095B6
inline std::uint32_t& Brass = GraphState.StandardColors[18];  // B5A642
inline std::uint32_t& BrightGreen = GraphState.StandardColors[19];  // 66FF00
inline std::uint32_t& BrightTurquoise = GraphState.StandardColors[20];  // 08E8DE
inline std::uint32_t& BrilliantMagenta = GraphState.StandardColors[21];  // CD00CD
inline std::uint32_t& Bronze = GraphState.StandardColors[22];  // CD7F32
inline std::uint32_t& Brown = GraphState.StandardColors[23];  // A52A2A
inline std::uint32_t& Buff = GraphState.StandardColors[24];  // F0DC82
inline std::uint32_t& Burgundy = GraphState.StandardColors[25];  // 900020
inline std::uint32_t& BurlyWood = GraphState.StandardColors[26];  // DEB887
inline std::uint32_t& BurntOrange = GraphState.StandardColors[27];  // CC5500
inline std::uint32_t& BurntSienna = GraphState.StandardColors[28];  // E97451
inline std::uint32_t& BurntUmber = GraphState.StandardColors[29];  // 8A3324
inline std::uint32_t& CadetBlue = GraphState.StandardColors[30];  // 5F9EA0
inline std::uint32_t& CamouflageGreen = GraphState.StandardColors[31];  // 78866B

// ---- 32 to 47 -------------------------------------------------------------
inline std::uint32_t& Cardinal = GraphState.StandardColors[32];  // C41E3A
inline std::uint32_t& Carmine = GraphState.StandardColors[33];  // 960018
inline std::uint32_t& Carrot = GraphState.StandardColors[34];  // ED9121
inline std::uint32_t& Casper = GraphState.StandardColors[35];  // ADBED1
inline std::uint32_t& Celadon = GraphState.StandardColors[36];  // ACE1AF
inline std::uint32_t& Cerise = GraphState.StandardColors[37];  // DE3163
inline std::uint32_t& Cerulean = GraphState.StandardColors[38];  // 007BA7
inline std::uint32_t& CeruleanBlue = GraphState.StandardColors[39];  // 2A52BE
inline std::uint32_t& Chartreuse = GraphState.StandardColors[40];  // 7FFF00
inline std::uint32_t& Chocolate = GraphState.StandardColors[41];  // D2691E
inline std::uint32_t& Cinnamon = GraphState.StandardColors[42];  // 7B3F00
inline std::uint32_t& Cobalt = GraphState.StandardColors[43];  // 0047AB
inline std::uint32_t& Copper = GraphState.StandardColors[44];  // B87333
inline std::uint32_t& Coral = GraphState.StandardColors[45];  // FF7F50
inline std::uint32_t& Corn = GraphState.StandardColors[46];  // FBEC5D
inline std::uint32_t& CornflowerBlue = GraphState.StandardColors[47];  // 6495ED

// ---- 48 to 63 -------------------------------------------------------------
inline std::uint32_t& Cornsilk = GraphState.StandardColors[48];  // FFF8DC
inline std::uint32_t& Cream = GraphState.StandardColors[49];  // FFFDD0
inline std::uint32_t& Crimson = GraphState.StandardColors[50];  // DC143C
inline std::uint32_t& Cyan = GraphState.StandardColors[51];  // 00FFFF
inline std::uint32_t& DarkBlue = GraphState.StandardColors[52];  // 00008B
inline std::uint32_t& DarkBrown = GraphState.StandardColors[53];  // 654321
inline std::uint32_t& DarkCerulean = GraphState.StandardColors[54];  // 08457E
inline std::uint32_t& DarkChestnut = GraphState.StandardColors[55];  // 986960
inline std::uint32_t& DarkCoral = GraphState.StandardColors[56];  // CD5B45
inline std::uint32_t& DarkCyan = GraphState.StandardColors[57];  // 008B8B
inline std::uint32_t& DarkGoldenrod = GraphState.StandardColors[58];  // B8860B
inline std::uint32_t& DarkGray = GraphState.StandardColors[59];  // 545454
inline std::uint32_t& DarkGreen = GraphState.StandardColors[60];  // 006400
inline std::uint32_t& DarkIndigo = GraphState.StandardColors[61];  // 310062
inline std::uint32_t& DarkKhaki = GraphState.StandardColors[62];  // BDB76B
inline std::uint32_t& DarkMagenta = GraphState.StandardColors[63];  // 8B008B

// ---- 64 to 79 -------------------------------------------------------------
inline std::uint32_t& DarkOlive = GraphState.StandardColors[64];  // 556832
inline std::uint32_t& DarkOliveGreen = GraphState.StandardColors[65];  // 556B2F
inline std::uint32_t& DarkOrange = GraphState.StandardColors[66];  // FF8C00
inline std::uint32_t& DarkOrchid = GraphState.StandardColors[67];  // 9932CC
inline std::uint32_t& DarkPastelGreen = GraphState.StandardColors[68];  // 03C03C
inline std::uint32_t& DarkPink = GraphState.StandardColors[69];  // E75480
inline std::uint32_t& DarkRed = GraphState.StandardColors[70];  // 8B0000
inline std::uint32_t& DarkSalmon = GraphState.StandardColors[71];  // E9967A
inline std::uint32_t& DarkScarlet = GraphState.StandardColors[72];  // 560319
inline std::uint32_t& DarkSeaGreen = GraphState.StandardColors[73];  // 8FBC8F
inline std::uint32_t& DarkSlateBlue = GraphState.StandardColors[74];  // 483D8B
inline std::uint32_t& DarkSlateGray = GraphState.StandardColors[75];  // 2F4F4F
inline std::uint32_t& DarkSpringGreen = GraphState.StandardColors[76];  // 177245
inline std::uint32_t& DarkTan = GraphState.StandardColors[77];  // 918151
inline std::uint32_t& DarkTangerine = GraphState.StandardColors[78];  // FFA812
inline std::uint32_t& DarkTeaGreen = GraphState.StandardColors[79];  // BADBAD

// ---- 80 to 95 -------------------------------------------------------------
inline std::uint32_t& DarkTerraCotta = GraphState.StandardColors[80];  // CC4E5C
inline std::uint32_t& DarkTurquoise = GraphState.StandardColors[81];  // 00CED1
inline std::uint32_t& DarkViolet = GraphState.StandardColors[82];  // 9400D3
inline std::uint32_t& DeepPink = GraphState.StandardColors[83];  // FF1493
inline std::uint32_t& DeepSkyBlue = GraphState.StandardColors[84];  // 00BFFF
inline std::uint32_t& Denim = GraphState.StandardColors[85];  // 1560BD
inline std::uint32_t& DimGray = GraphState.StandardColors[86];  // 696969
inline std::uint32_t& DodgerBlue = GraphState.StandardColors[87];  // 1E90FF
inline std::uint32_t& Emerald = GraphState.StandardColors[88];  // 50C878
inline std::uint32_t& Eggplant = GraphState.StandardColors[89];  // 990066
inline std::uint32_t& FernGreen = GraphState.StandardColors[90];  // 4F7942
inline std::uint32_t& FireBrick = GraphState.StandardColors[91];  // B22222
inline std::uint32_t& Flax = GraphState.StandardColors[92];  // EEDC82
inline std::uint32_t& FloralWhite = GraphState.StandardColors[93];  // FFFAF0
inline std::uint32_t& ForestGreen = GraphState.StandardColors[94];  // 228B22
inline std::uint32_t& WebGray = GraphState.StandardColors[95];  // 808080

// ---- 96 to 111 ------------------------------------------------------------
inline std::uint32_t& Fuchsia = GraphState.StandardColors[96];  // F400A1
inline std::uint32_t& Gainsboro = GraphState.StandardColors[97];  // DCDCDC
inline std::uint32_t& Gamboge = GraphState.StandardColors[98];  // E49B0F
inline std::uint32_t& GhostWhite = GraphState.StandardColors[99];  // F8F8FF
inline std::uint32_t& Gold = GraphState.StandardColors[100];  // FFD700
inline std::uint32_t& Goldenrod = GraphState.StandardColors[101];  // DAA520
inline std::uint32_t& Gray = GraphState.StandardColors[102];  // 7E7E7E
inline std::uint32_t& GrayAsparagus = GraphState.StandardColors[103];  // 465945
inline std::uint32_t& GrayTeaGreen = GraphState.StandardColors[104];  // CADABA
inline std::uint32_t& Green = GraphState.StandardColors[105];  // 008000
inline std::uint32_t& GreenYellow = GraphState.StandardColors[106];  // ADFF2F
inline std::uint32_t& Heliotrope = GraphState.StandardColors[107];  // DF73FF
inline std::uint32_t& Honeydew = GraphState.StandardColors[108];  // F0FFF0
inline std::uint32_t& HotPink = GraphState.StandardColors[109];  // FF69B4
inline std::uint32_t& IndianRed = GraphState.StandardColors[110];  // CD5C5C
inline std::uint32_t& Indigo = GraphState.StandardColors[111];  // 4B0082

// ---- 112 to 127 -----------------------------------------------------------
inline std::uint32_t& InternationalKleinBlue = GraphState.StandardColors[112];  // 002FA7
inline std::uint32_t& InternationalOrange = GraphState.StandardColors[113];  // FF4F00
inline std::uint32_t& Ivory = GraphState.StandardColors[114];  // FFFFF0
inline std::uint32_t& Jade = GraphState.StandardColors[115];  // 00A86B
inline std::uint32_t& Khaki = GraphState.StandardColors[116];  // F0E68C
inline std::uint32_t& Lavender = GraphState.StandardColors[117];  // E6E6FA
inline std::uint32_t& LavenderBlush = GraphState.StandardColors[118];  // FFF0F5
inline std::uint32_t& LawnGreen = GraphState.StandardColors[119];  // 7CFC00
inline std::uint32_t& Lemon = GraphState.StandardColors[120];  // FDE910
inline std::uint32_t& LemonChiffon = GraphState.StandardColors[121];  // FFFACD
inline std::uint32_t& LightBlue = GraphState.StandardColors[122];  // ADD8E6
inline std::uint32_t& LightBrown = GraphState.StandardColors[123];  // D2B48C
inline std::uint32_t& LightCoral = GraphState.StandardColors[124];  // F08080
inline std::uint32_t& LightCyan = GraphState.StandardColors[125];  // E0FFFF
inline std::uint32_t& LightGoldenrodYellow = GraphState.StandardColors[126];  // FAFAD2
inline std::uint32_t& LightGray = GraphState.StandardColors[127];  // A8A8A8

// ---- 128 to 143 -----------------------------------------------------------
inline std::uint32_t& LightGreen = GraphState.StandardColors[128];  // 90EE90
inline std::uint32_t& LightMagenta = GraphState.StandardColors[129];  // FF80FF
inline std::uint32_t& LightPink = GraphState.StandardColors[130];  // FFB6C1
inline std::uint32_t& LightRed = GraphState.StandardColors[131];  // FF8080
inline std::uint32_t& LightSalmon = GraphState.StandardColors[132];  // FFA07A
inline std::uint32_t& LightSeaGreen = GraphState.StandardColors[133];  // 20B2AA
inline std::uint32_t& LightSkyBlue = GraphState.StandardColors[134];  // 87CEFA
inline std::uint32_t& LightSlateGray = GraphState.StandardColors[135];  // 778899
inline std::uint32_t& LightSteelBlue = GraphState.StandardColors[136];  // B0C4DE
inline std::uint32_t& LightYellow = GraphState.StandardColors[137];  // FFFFE0
inline std::uint32_t& Lilac = GraphState.StandardColors[138];  // C8A2C8
inline std::uint32_t& Lime = GraphState.StandardColors[139];  // 00FF00
inline std::uint32_t& LimeGreen = GraphState.StandardColors[140];  // 32CD32
inline std::uint32_t& Linen = GraphState.StandardColors[141];  // FAF0E6
inline std::uint32_t& Magenta = GraphState.StandardColors[142];  // FF00FF
inline std::uint32_t& Malachite = GraphState.StandardColors[143];  // 0BDA51

// ---- 144 to 159 -----------------------------------------------------------
inline std::uint32_t& Maroon = GraphState.StandardColors[144];  // 800000
inline std::uint32_t& Mauve = GraphState.StandardColors[145];  // E0B0FF
inline std::uint32_t& MediumAquamarine = GraphState.StandardColors[146];  // 66CDAA
inline std::uint32_t& MediumBlue = GraphState.StandardColors[147];  // 0000CD
inline std::uint32_t& MediumOrchid = GraphState.StandardColors[148];  // BA55D3
inline std::uint32_t& MediumPurple = GraphState.StandardColors[149];  // 9370DB
inline std::uint32_t& MediumSeaGreen = GraphState.StandardColors[150];  // 3CB371
inline std::uint32_t& MediumSlateBlue = GraphState.StandardColors[151];  // 7B68EE
inline std::uint32_t& MediumSpringGreen = GraphState.StandardColors[152];  // 00FA9A
inline std::uint32_t& MediumTurquoise = GraphState.StandardColors[153];  // 48D1CC
inline std::uint32_t& MediumVioletRed = GraphState.StandardColors[154];  // C71585
inline std::uint32_t& MidnightBlue = GraphState.StandardColors[155];  // 191970
inline std::uint32_t& MintCream = GraphState.StandardColors[156];  // F5FFFA
inline std::uint32_t& MistyRose = GraphState.StandardColors[157];  // FFE4E1
inline std::uint32_t& Moccasin = GraphState.StandardColors[158];  // FFE4B5
inline std::uint32_t& MoneyGreen = GraphState.StandardColors[159];  // C0DCC0

// ---- 160 to 175 -----------------------------------------------------------
inline std::uint32_t& Monza = GraphState.StandardColors[160];  // C7031E
inline std::uint32_t& MossGreen = GraphState.StandardColors[161];  // ADDFAD
inline std::uint32_t& MountbattenPink = GraphState.StandardColors[162];  // 997A8D
inline std::uint32_t& Mustard = GraphState.StandardColors[163];  // FFDB58
inline std::uint32_t& NavajoWhite = GraphState.StandardColors[164];  // FFDEAD
inline std::uint32_t& Navy = GraphState.StandardColors[165];  // 000080
inline std::uint32_t& Ochre = GraphState.StandardColors[166];  // CC7722
inline std::uint32_t& OldGold = GraphState.StandardColors[167];  // CFB53B
inline std::uint32_t& OldLace = GraphState.StandardColors[168];  // FDF5E6
inline std::uint32_t& Olive = GraphState.StandardColors[169];  // 808000
inline std::uint32_t& OliveDrab = GraphState.StandardColors[170];  // 6B8E23
inline std::uint32_t& Orange = GraphState.StandardColors[171];  // FFA500
inline std::uint32_t& OrangeRed = GraphState.StandardColors[172];  // FF4500
inline std::uint32_t& Orchid = GraphState.StandardColors[173];  // DA70D6
inline std::uint32_t& PaleBrown = GraphState.StandardColors[174];  // 987654
inline std::uint32_t& PaleCarmine = GraphState.StandardColors[175];  // AF4035

// ---- 176 to 191 -----------------------------------------------------------
inline std::uint32_t& PaleChestnut = GraphState.StandardColors[176];  // DDADAF
inline std::uint32_t& PaleCornflowerBlue = GraphState.StandardColors[177];  // ABCDEF
inline std::uint32_t& PaleGoldenrod = GraphState.StandardColors[178];  // EEE8AA
inline std::uint32_t& PaleGreen = GraphState.StandardColors[179];  // 98FB98
inline std::uint32_t& PaleMagenta = GraphState.StandardColors[180];  // F984E5
inline std::uint32_t& PaleMauve = GraphState.StandardColors[181];  // 996666
inline std::uint32_t& PalePink = GraphState.StandardColors[182];  // FADADD
inline std::uint32_t& PaleSandyBrown = GraphState.StandardColors[183];  // DABDAB
inline std::uint32_t& PaleTurquoise = GraphState.StandardColors[184];  // AFEEEE
inline std::uint32_t& PaleVioletRed = GraphState.StandardColors[185];  // DB7093
inline std::uint32_t& PapayaWhip = GraphState.StandardColors[186];  // FFEFD5
inline std::uint32_t& PastelGreen = GraphState.StandardColors[187];  // 77DD77
inline std::uint32_t& PastelPink = GraphState.StandardColors[188];  // FFD1DC
inline std::uint32_t& Peach = GraphState.StandardColors[189];  // FFE5B4
inline std::uint32_t& PeachOrange = GraphState.StandardColors[190];  // FFCC99
inline std::uint32_t& PeachPuff = GraphState.StandardColors[191];  // FFDAB9

// ---- 192 to 207 -----------------------------------------------------------
inline std::uint32_t& PeachYellow = GraphState.StandardColors[192];  // FADFAD
inline std::uint32_t& Pear = GraphState.StandardColors[193];  // D1E231
inline std::uint32_t& Periwinkle = GraphState.StandardColors[194];  // CCCCFF
inline std::uint32_t& PersianBlue = GraphState.StandardColors[195];  // 6600FF
inline std::uint32_t& Peru = GraphState.StandardColors[196];  // CD853F
inline std::uint32_t& PineGreen = GraphState.StandardColors[197];  // 01796F
inline std::uint32_t& Pink = GraphState.StandardColors[198];  // FFC0CB
inline std::uint32_t& PinkOrange = GraphState.StandardColors[199];  // FF9966
inline std::uint32_t& Plum = GraphState.StandardColors[200];  // DDA0DD
inline std::uint32_t& PowderBlue = GraphState.StandardColors[201];  // B0E0E6
inline std::uint32_t& PrussianBlue = GraphState.StandardColors[202];  // 003153
inline std::uint32_t& Puce = GraphState.StandardColors[203];  // CC8899
inline std::uint32_t& Pumpkin = GraphState.StandardColors[204];  // FF7518
inline std::uint32_t& Purple = GraphState.StandardColors[205];  // 800080
inline std::uint32_t& RawUmber = GraphState.StandardColors[206];  // 734A12
inline std::uint32_t& Red = GraphState.StandardColors[207];  // FF0000

// ---- 208 to 223 -----------------------------------------------------------
inline std::uint32_t& Reef = GraphState.StandardColors[208];  // C9FFA2
inline std::uint32_t& RobinEggBlue = GraphState.StandardColors[209];  // 00CCCC
inline std::uint32_t& RosyBrown = GraphState.StandardColors[210];  // BC8F8F
inline std::uint32_t& RoyalBlue = GraphState.StandardColors[211];  // 4169E1
inline std::uint32_t& Russet = GraphState.StandardColors[212];  // 80461B
inline std::uint32_t& Rust = GraphState.StandardColors[213];  // B7410E
inline std::uint32_t& SaddleBrown = GraphState.StandardColors[214];  // 8B4513
inline std::uint32_t& Saffron = GraphState.StandardColors[215];  // F4C430
inline std::uint32_t& Salmon = GraphState.StandardColors[216];  // FA8072
inline std::uint32_t& SandyBrown = GraphState.StandardColors[217];  // F4A460
inline std::uint32_t& Sangria = GraphState.StandardColors[218];  // 92000A
inline std::uint32_t& Sapphire = GraphState.StandardColors[219];  // 082567
inline std::uint32_t& Scarlet = GraphState.StandardColors[220];  // FF2400
inline std::uint32_t& SchoolBusYellow = GraphState.StandardColors[221];  // FFD800
inline std::uint32_t& SeaGreen = GraphState.StandardColors[222];  // 2E8B57
inline std::uint32_t& Seashell = GraphState.StandardColors[223];  // FFF5EE

// ---- 224 to 239 -----------------------------------------------------------
inline std::uint32_t& SelectiveYellow = GraphState.StandardColors[224];  // FFBA00
inline std::uint32_t& Sepia = GraphState.StandardColors[225];  // 704214
inline std::uint32_t& Sienna = GraphState.StandardColors[226];  // A0522D
inline std::uint32_t& Silver = GraphState.StandardColors[227];  // C0C0C0
inline std::uint32_t& SkyBlue = GraphState.StandardColors[228];  // 87CEEB
inline std::uint32_t& SlateBlue = GraphState.StandardColors[229];  // 6A5ACD
inline std::uint32_t& SlateGray = GraphState.StandardColors[230];  // 708090
inline std::uint32_t& Snow = GraphState.StandardColors[231];  // FFFAFA
inline std::uint32_t& SpringGreen = GraphState.StandardColors[232];  // 00FF7F
inline std::uint32_t& SteelBlue = GraphState.StandardColors[233];  // 4682B4
inline std::uint32_t& SwampGreen = GraphState.StandardColors[234];  // ACB78E
inline std::uint32_t& Tan = GraphState.StandardColors[235];  // BC987E
inline std::uint32_t& Tangerine = GraphState.StandardColors[236];  // FFCC00
inline std::uint32_t& Teal = GraphState.StandardColors[237];  // 008080
inline std::uint32_t& TeaGreen = GraphState.StandardColors[238];  // D0F0C0
inline std::uint32_t& Tenne = GraphState.StandardColors[239];  // CD5700

// ---- 240 to 255 -----------------------------------------------------------
inline std::uint32_t& TerraCotta = GraphState.StandardColors[240];  // E2725B
inline std::uint32_t& Thistle = GraphState.StandardColors[241];  // D8BFD8
inline std::uint32_t& Tomato = GraphState.StandardColors[242];  // FF6347
inline std::uint32_t& Turquoise = GraphState.StandardColors[243];  // 40E0D0
inline std::uint32_t& Ultramarine = GraphState.StandardColors[244];  // 120A8F
inline std::uint32_t& Vermilion = GraphState.StandardColors[245];  // FF4D00
inline std::uint32_t& Violet = GraphState.StandardColors[246];  // EE82EE
inline std::uint32_t& VioletEggplant = GraphState.StandardColors[247];  // 991199
inline std::uint32_t& Viridian = GraphState.StandardColors[248];  // 40826D
inline std::uint32_t& Wheat = GraphState.StandardColors[249];  // F5DEB3
inline std::uint32_t& White = GraphState.StandardColors[250];  // FFFFFF
inline std::uint32_t& WhiteSmoke = GraphState.StandardColors[251];  // F5F5F5
inline std::uint32_t& Wisteria = GraphState.StandardColors[252];  // C9A0DC
inline std::uint32_t& Yellow = GraphState.StandardColors[253];  // FFFF00
inline std::uint32_t& YellowGreen = GraphState.StandardColors[254];  // 9ACD32
inline std::uint32_t& Zinnwaldite = GraphState.StandardColors[255];  // EBC2AF

}  // namespace lumenbox
