#pragma once

#include "catalogue/codec_lists.h"
#include "catalogue/codec_row.h"

// Every video codec choice a format can offer. The quality scale runs from
// qualityWorst to qualityBest; for most codecs the best value is the smaller
// number, for Theora, Dirac and WebP the larger.
namespace velmora::catalogue {

// Fields: name, displayName, sizes, bitRates, qualityBest, qualityWorst,
// frameRates. {} = no list.
// clang-format off
inline constexpr VideoCodecRow kV01{"dvvideo",         "DV Video",                                  kSZ1, {},   -1,  -1, kFR1};
inline constexpr VideoCodecRow kV02{"flv",             "Flash Video",                               kSZ2, kVB1, 2,   31, kFR2};
inline constexpr VideoCodecRow kV03{"h261",            "H.261",                                     kSZ3, kVB1, 2,   31, kFR3};
inline constexpr VideoCodecRow kV04{"h263",            "H.263",                                     kSZ4, kVB1, 2,   31, kFR3};
inline constexpr VideoCodecRow kV05{"h263p",           "H.263+",                                    kSZ2, kVB1, 2,   31, kFR2};
inline constexpr VideoCodecRow kV06{"huffyuv",         "HuffYUV",                                   kSZ2, {},   -1,  -1, kFR2};
inline constexpr VideoCodecRow kV07{"libtheora",       "Theora",                                    kSZ2, kVB1, 10,  0,  kFR2};
inline constexpr VideoCodecRow kV08{"libtheora",       "Theora",                                    kSZ2, {},   10,  1,  kFR2};
inline constexpr VideoCodecRow kV09{"libx265",         "H.265 HEVC",                                kSZ2, kVB1, 0,   51, kFR2};
inline constexpr VideoCodecRow kV10{"libx264",         "H.264 AVC (High Profile)",                  kSZ2, kVB1, 0,   51, kFR2};
inline constexpr VideoCodecRow kV11{"h264mp",          "H.264 AVC (Main Profile)",                  kSZ2, kVB1, 0,   51, kFR2};
inline constexpr VideoCodecRow kV12{"h264bp",          "H.264 AVC (Baseline Profile)",              kSZ2, kVB1, 0,   51, kFR2};
inline constexpr VideoCodecRow kV13{"libx264",         "H.264 AVC (High Profile)",                  kSZ5, kVB1, 0,   51, kFR2};
inline constexpr VideoCodecRow kV14{"h264mp",          "H.264 AVC (Main Profile)",                  kSZ5, kVB1, 0,   51, kFR2};
inline constexpr VideoCodecRow kV15{"h264bp",          "H.264 AVC (Baseline Profile)",              kSZ5, kVB1, 0,   51, kFR2};
inline constexpr VideoCodecRow kV16{"libxvid",         "Xvid",                                      kSZ2, kVB1, 2,   31, kFR2};
inline constexpr VideoCodecRow kV17{"mjpeg",           "Motion JPEG",                               kSZ2, {},   2,   31, kFR2};
inline constexpr VideoCodecRow kV18{"mpeg1video",      "MPEG-1",                                    kSZ2, kVB1, 2,   31, kFR2};
inline constexpr VideoCodecRow kV19{"mpeg1video",      "MPEG-1",                                    kSZ6, kVB2, -1,  -1, kFR4};
inline constexpr VideoCodecRow kV20{"mpeg2video",      "MPEG-2",                                    kSZ2, kVB1, 2,   31, kFR2};
inline constexpr VideoCodecRow kV21{"libschroedinger", "Dirac",                                     kSZ2, kVB1, 31,  2,  kFR2};
inline constexpr VideoCodecRow kV22{"snow",            "Snow",                                      kSZ2, kVB1, 1,   31, kFR2};
inline constexpr VideoCodecRow kV23{"mpeg2video",      "MPEG-2",                                    kSZ1, kVB1, 2,   31, kFR1};
inline constexpr VideoCodecRow kV24{"prores_ks",       "Apple ProRes",                              kSZ2, {},   1,   64, kFR2};
inline constexpr VideoCodecRow kV25{"mpeg4",           "MPEG-4",                                    kSZ2, kVB1, 2,   31, kFR2};
inline constexpr VideoCodecRow kV26{"mpeg4",           "MPEG-4",                                    kSZ5, kVB1, 2,   31, kFR2};
inline constexpr VideoCodecRow kV27{"mpeg4",           "MPEG-4",                                    kSZ7, kVB1, 2,   31, kFR2};
inline constexpr VideoCodecRow kV28{"msmpeg4",         "MPEG-4 Microsoft Variant Version 3",        kSZ2, kVB1, 2,   31, kFR2};
inline constexpr VideoCodecRow kV29{"msmpeg4v2",       "MPEG-4 Microsoft Variant Version 2",        kSZ2, kVB1, 2,   31, kFR2};
inline constexpr VideoCodecRow kV30{"rawvideo",        "Raw Video",                                 kSZ2, {},   -1,  -1, kFR2};
inline constexpr VideoCodecRow kV31{"rv10",            "RealVideo 1.0",                             kSZ2, kVB1, -1,  -1, kFR2};
inline constexpr VideoCodecRow kV32{"rv20",            "RealVideo 2.0",                             kSZ2, kVB1, -1,  -1, kFR2};
inline constexpr VideoCodecRow kV33{"svq1",            "Sorenson Vector Quantizer 1",               kSZ2, {},   1,   31, kFR2};
inline constexpr VideoCodecRow kV34{"msvideo1",        "Microsoft Video-1",                         kSZ2, {},   -1,  -1, kFR2};
inline constexpr VideoCodecRow kV35{"wmv1",            "Windows Media Video 7",                     kSZ2, kVB1, 2,   31, kFR2};
inline constexpr VideoCodecRow kV36{"wmv2",            "Windows Media Video 8",                     kSZ2, kVB1, 2,   31, kFR2};
inline constexpr VideoCodecRow kV37{"zlib",            "ZLIB",                                      kSZ2, {},   -1,  -1, kFR2};
inline constexpr VideoCodecRow kV38{"libvpx",          "VP8",                                       kSZ2, kVB1, 0,   63, kFR2};
inline constexpr VideoCodecRow kV39{"libvpx-vp9",      "VP9",                                       kSZ2, kVB1, 0,   63, kFR2};
inline constexpr VideoCodecRow kV40{"png",             "PNG Image",                                 kSZ2, {},   -1,  -1, kFR5};
inline constexpr VideoCodecRow kV41{"tiff",            "TIFF Image",                                kSZ2, {},   -1,  -1, kFR5};
inline constexpr VideoCodecRow kV42{"bmp",             "BMP Image",                                 kSZ2, {},   -1,  -1, kFR5};
inline constexpr VideoCodecRow kV43{"mjpeg",           "JPEG Image",                                kSZ2, {},   2,   31, kFR5};
inline constexpr VideoCodecRow kV44{"pcx",             "PCX Image",                                 kSZ2, {},   -1,  -1, kFR5};
inline constexpr VideoCodecRow kV45{"pgm",             "PGM Image",                                 kSZ2, {},   -1,  -1, kFR5};
inline constexpr VideoCodecRow kV46{"ppm",             "PPM Image",                                 kSZ2, {},   -1,  -1, kFR5};
inline constexpr VideoCodecRow kV47{"sgi",             "SGI Image",                                 kSZ2, {},   -1,  -1, kFR5};
inline constexpr VideoCodecRow kV48{"targa",           "Targa Image",                               kSZ2, {},   -1,  -1, kFR5};
inline constexpr VideoCodecRow kV49{"xbm",             "XBM (X BitMap) Image",                      kSZ2, {},   -1,  -1, kFR5};
inline constexpr VideoCodecRow kV50{"sunrast",         "Sun Rasterfile Image",                      kSZ2, {},   -1,  -1, kFR5};
inline constexpr VideoCodecRow kV51{"alias_pix",       "Alias/Wavefront PIX Image",                 kSZ2, {},   -1,  -1, kFR5};
inline constexpr VideoCodecRow kV52{"libwebp",         "WebP Image",                                kSZ2, {},   100, 2,  kFR5};
inline constexpr VideoCodecRow kV53{"gif",             "GIF (Graphics Interchange Format)",         kSZ2, {},   -1,  -1, kFR5};
inline constexpr VideoCodecRow kV54{"apng",            "APNG (Animated Portable Network Graphics)", kSZ2, {},   -1,  -1, kFR5};
// clang-format on

inline constexpr const VideoCodecRow* kVideoCodecRows[] = {
    &kV01, &kV02, &kV03, &kV04, &kV05, &kV06, &kV07, &kV08, &kV09, &kV10, &kV11,
    &kV12, &kV13, &kV14, &kV15, &kV16, &kV17, &kV18, &kV19, &kV20, &kV21, &kV22,
    &kV23, &kV24, &kV25, &kV26, &kV27, &kV28, &kV29, &kV30, &kV31, &kV32, &kV33,
    &kV34, &kV35, &kV36, &kV37, &kV38, &kV39, &kV40, &kV41, &kV42, &kV43, &kV44,
    &kV45, &kV46, &kV47, &kV48, &kV49, &kV50, &kV51, &kV52, &kV53, &kV54};

}  // namespace velmora::catalogue
