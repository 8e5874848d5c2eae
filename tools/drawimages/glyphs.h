// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The glyph vocabulary of the browser icons and signs, written in the script of glyphpainter.h on a
// 64 x 64 grid with a 6 pixel margin.

namespace glyph {

// Places and media
inline constexpr char folder[] = "M 6 14 L 24 14 L 29 20 L 58 20 L 58 52 L 6 52 Z B M 6 27 L 58 27 S";
inline constexpr char folderOpen[] =
    "M 6 50 L 6 12 L 23 12 L 28 18 L 50 18 L 50 26 S M 6 52 L 15 28 L 60 28 L 51 52 Z B";
inline constexpr char playlist[] = "M 6 12 L 40 12 M 6 24 L 40 24 M 6 36 L 28 36 M 6 48 L 24 48 S "
                                   "W 4 M 49 47 L 49 16 L 58 20 S E 43 48 7 5.5 F";
inline constexpr char note[] =
    "W 5 M 22 48 L 22 16 L 52 10 L 52 42 S W 8 M 22 17 L 52 11 S E 15 48 8 6.5 F E 45 42 8 6.5 F";
inline constexpr char disc[] = "O 32 32 26 B W 3 A 15 15 34 34 100 70 S W 4.5 O 32 32 8 S O 32 32 3 F";
inline constexpr char page[] = "M 12 6 L 40 6 L 54 20 L 54 58 L 12 58 Z B M 40 6 L 40 20 L 54 20 S";
inline constexpr char crate[] = "M 6 22 L 14 8 L 50 8 L 58 22 S R 6 22 52 34 3 B W 5 M 24 34 L 40 34 S";
inline constexpr char computer[] = "R 6 10 52 34 4 B M 32 44 L 32 53 M 20 54 L 44 54 S";
inline constexpr char drive[] = "R 6 20 52 24 5 B O 47 32 3.5 F M 14 32 L 34 32 S";
inline constexpr char cloud[] =
    "M 17 48 C 6 48 4 33 15 31 C 14 19 29 15 34 24 C 39 13 55 18 52 32 C 62 34 60 48 49 48 Z B";
inline constexpr char network[] =
    "M 32 14 L 32 30 M 13 48 L 13 30 L 51 30 L 51 48 S O 32 13 8 F O 13 50 8 F O 51 50 8 F";
inline constexpr char globe[] =
    "O 32 32 26 B W 3 E 32 32 11 26 S M 6 32 L 58 32 M 10 19 L 54 19 M 10 45 L 54 45 S";
inline constexpr char home[] =
    "M 6 32 L 32 8 L 58 32 S M 14 26 L 14 56 L 50 56 L 50 26 S M 26 56 L 26 40 L 38 40 L 38 56 B";

// Browser features
inline constexpr char search[] = "O 27 27 17 B W 8 M 40 40 L 55 55 S";
inline constexpr char star[] = "P 32 34 27 11 5 B";
inline constexpr char history[] = "Y 8 8 48 48 165 -300 9 S M 32 19 L 32 32 L 42 39 S";
inline constexpr char sampler[] = "R 6 6 14 14 3 F R 25 6 14 14 3 H R 44 6 14 14 3 H "
                                  "R 6 25 14 14 3 H R 25 25 14 14 3 F R 44 25 14 14 3 H "
                                  "R 6 44 14 14 3 H R 25 44 14 14 3 H R 44 44 14 14 3 F";
inline constexpr char video[] = "R 6 18 36 28 5 B M 42 28 L 58 19 L 58 45 L 42 36 Z B";
inline constexpr char karaoke[] =
    "R 22 6 20 32 10 B M 13 28 Q 13 47 32 47 Q 51 47 51 28 S M 32 47 L 32 57 M 22 57 L 42 57 S";
inline constexpr char headphones[] = "W 5 A 10 10 44 44 180 -180 S R 6 34 12 20 4 F R 46 34 12 20 4 F";
inline constexpr char equalizer[] =
    "W 3 M 14 8 L 14 56 M 32 8 L 32 56 M 50 8 L 50 56 S R 7 34 14 8 3 F R 25 16 14 8 3 F R 43 40 14 8 3 F";
inline constexpr char speaker[] =
    "M 6 24 L 18 24 L 32 10 L 32 54 L 18 40 L 6 40 Z B A 26 22 20 20 -50 100 S A 18 12 40 40 -50 100 S";
inline constexpr char record[] = "O 32 32 26 S O 32 32 14 F";
inline constexpr char info[] = "O 32 32 26 B O 32 19 4.5 F W 7 M 32 30 L 32 47 S";
inline constexpr char tag[] = "M 8 8 L 30 8 L 57 35 L 35 57 L 8 30 Z B O 20 20 5 X O 20 20 5 S";
inline constexpr char user[] = "O 32 20 12 B M 9 58 C 9 34 55 34 55 58 Z B";
inline constexpr char heart[] =
    "M 32 54 C 8 38 4 26 8 18 C 12 8 28 8 32 20 C 36 8 52 8 56 18 C 60 26 56 38 32 54 Z B";
inline constexpr char gear[] = "W 9 N 32 32 17 24 8 22.5 S O 32 32 19 F O 32 32 8 X";
inline constexpr char lock[] = "A 18 8 28 40 0 180 S R 10 28 44 28 5 B O 32 40 4 F W 4 M 32 40 L 32 48 S";
inline constexpr char link[] = "G -45 W 5 R 6 24 30 16 8 S R 28 24 30 16 8 S";
inline constexpr char bookmark[] = "M 16 6 L 48 6 L 48 58 L 32 44 L 16 58 Z B";
inline constexpr char calendar[] =
    "R 6 12 52 44 4 B M 6 24 L 58 24 S M 20 6 L 20 16 M 44 6 L 44 16 S "
    "R 14 31 8 7 1 F R 28 31 8 7 1 F R 42 31 8 7 1 F R 14 43 8 7 1 F R 28 43 8 7 1 F";
inline constexpr char eye[] = "M 4 32 Q 32 6 60 32 Q 32 58 4 32 Z B O 32 32 9 F O 32 32 3 X";
inline constexpr char bolt[] = "M 36 4 L 12 36 L 30 36 L 26 60 L 52 26 L 34 26 Z B";
inline constexpr char trash[] = "M 8 16 L 56 16 M 24 16 L 26 8 L 38 8 L 40 16 S "
                                "M 14 16 L 18 56 L 46 56 L 50 16 B M 26 26 L 27 46 M 38 26 L 37 46 S";

// Actions
inline constexpr char arrowUp[] = "W 6 V 32 56 32 9 17 S";
inline constexpr char arrowDown[] = "W 6 V 32 8 32 55 17 S";
inline constexpr char arrowLeft[] = "W 6 V 56 32 9 32 17 S";
inline constexpr char arrowRight[] = "W 6 V 8 32 55 32 17 S";
inline constexpr char plus[] = "W 7 M 32 10 L 32 54 M 10 32 L 54 32 S";
inline constexpr char minus[] = "W 7 M 10 32 L 54 32 S";
inline constexpr char check[] = "W 7 M 10 34 L 26 50 L 54 16 S";
inline constexpr char cross[] = "W 7 M 14 14 L 50 50 M 50 14 L 14 50 S";
inline constexpr char sort[] = "M 6 12 L 36 12 M 6 26 L 28 26 M 6 40 L 20 40 S W 5 V 50 8 50 56 11 S";
inline constexpr char filter[] = "M 6 10 L 58 10 L 38 34 L 38 54 L 26 48 L 26 34 Z B";
inline constexpr char list[] =
    "O 10 14 4 F O 10 32 4 F O 10 50 4 F M 22 14 L 58 14 M 22 32 L 58 32 M 22 50 L 58 50 S";
inline constexpr char grid[] = "R 6 6 22 22 4 R 36 6 22 22 4 R 6 36 22 22 4 R 36 36 22 22 4 B";
inline constexpr char refresh[] = "W 5 Y 10 10 44 44 20 140 9 Y 10 10 44 44 200 140 9 S";
inline constexpr char download[] = "W 6 V 32 6 32 40 14 S M 8 44 L 8 56 L 56 56 L 56 44 S";
inline constexpr char upload[] = "W 6 V 32 42 32 8 14 S M 8 44 L 8 56 L 56 56 L 56 44 S";
inline constexpr char shuffle[] =
    "W 5 M 6 18 L 16 18 C 30 18 30 46 44 46 L 56 46 M 6 46 L 16 46 C 30 46 30 18 44 18 "
    "L 56 18 S V 46 18 57 18 9 V 46 46 57 46 9 S";
inline constexpr char repeat[] =
    "W 5 M 10 38 L 10 20 L 48 20 M 54 26 L 54 44 L 16 44 S V 44 20 56 20 9 V 20 44 8 44 9 S";

// Signs
inline constexpr char question[] = "W 8 M 20 22 C 20 8 44 8 44 22 C 44 32 32 32 32 40 S O 32 53 5 F";
inline constexpr char exclamation[] = "W 8 M 32 12 L 32 38 S O 32 51 5 F";

} // namespace glyph
