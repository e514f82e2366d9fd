#pragma once

#include "catalogue/value_list.h"

// The value, size and frame-rate lists that the codec rows refer to. Frame-rate
// lists keep their closing -1.0; fixed-size lists begin with kFixedSizeMarker.
namespace velmora::catalogue {

// Sample rates in Hz.
inline constexpr int kSR1[] = {8000};
inline constexpr int kSR2[] = {16000};
inline constexpr int kSR3[] = {8000,  11025, 12000, 16000, 22050,  24000, 32000,
                               44100, 48000, 88200, 96000, 176400, 192000};
inline constexpr int kSR4[] = {32000, 44100, 48000};
inline constexpr int kSR5[] = {8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000};
inline constexpr int kSR6[] = {8000,  11025, 12000, 16000, 22050, 24000,
                               32000, 44100, 48000, 88200, 96000};
inline constexpr int kSR7[] = {44100};
inline constexpr int kSR8[] = {16000, 22050, 24000, 32000, 44100, 48000};
inline constexpr int kSR9[] = {11025, 22050, 44100};
inline constexpr int kSR10[] = {8000, 16000, 32000};
inline constexpr int kSR11[] = {8000,  16000, 22050, 24000,  32000, 44100,
                                48000, 88200, 96000, 176400, 192000};
inline constexpr int kSR12[] = {6000,  8000,  11025, 12000, 16000, 22050,  24000,
                                32000, 44100, 48000, 88200, 96000, 176400, 192000};
inline constexpr int kSR13[] = {48000};
inline constexpr int kSR14[] = {7000};
inline constexpr int kSR15[] = {4000, 8000, 11025, 22050, 44100};
inline constexpr int kSR16[] = {8000, 11025, 16000, 22050, 32000, 44100, 48000, 88200, 96000};
inline constexpr int kSR17[] = {8000, 12000, 16000, 24000, 48000};

// Audio bit rates in bits per second, or compression levels (AV3, AV10, AV15), or bits per sample
// for "g726" (AV11).
inline constexpr int kAV1[] = {4750, 5150, 5900, 6700, 7400, 7950, 10200, 12200};
inline constexpr int kAV2[] = {6600, 8850, 12650, 14250, 15850, 18250, 19850, 23050, 23850};
inline constexpr int kAV3[] = {0, 1, 2};
inline constexpr int kAV4[] = {32000,  40000,  48000,  56000,  64000,  80000,  96000,
                               112000, 128000, 160000, 192000, 224000, 256000, 320000,
                               384000, 448000, 512000, 576000, 640000};
inline constexpr int kAV5[] = {16000,  24000,  32000,  40000,  48000,  56000,  64000,
                               80000,  96000,  112000, 128000, 144000, 160000, 192000,
                               224000, 256000, 320000, 384000, 448000, 512000};
inline constexpr int kAV6[] = {96000, 112000, 128000, 144000, 160000, 192000};
inline constexpr int kAV7[] = {8000,   16000,  24000,  32000,  40000,  48000,
                               56000,  64000,  80000,  96000,  112000, 128000,
                               144000, 160000, 192000, 224000, 256000, 320000};
inline constexpr int kAV8[] = {8000,   16000,  24000,  32000,  40000,  48000,  56000,
                               64000,  80000,  96000,  112000, 128000, 144000, 160000,
                               192000, 224000, 256000, 320000, 400000, 480000};
inline constexpr int kAV9[] = {2000,  4000,  7000,  9000,  11000, 14000,
                               18000, 22000, 25000, 29000, 36000, 44000};
inline constexpr int kAV10[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
inline constexpr int kAV11[] = {2, 3, 4, 5};
inline constexpr int kAV12[] = {6300};
inline constexpr int kAV13[] = {13000};
inline constexpr int kAV14[] = {8000,  12000,  16000,  20000,  32000,  40000,  48000,  64000, 80000,
                                96000, 128000, 160000, 192000, 256000, 320000, 384000, 440000};
inline constexpr int kAV15[] = {0, 1, 2, 3, 4};
inline constexpr int kAV16[] = {6000,   8000,   12000,  16000,  24000,  32000,  40000,  48000,
                                56000,  64000,  80000,  96000,  112000, 128000, 144000, 160000,
                                192000, 224000, 256000, 320000, 384000, 448000, 512000};

// Frame sizes.
inline constexpr FrameSize kSZ1[] = {kFixedSizeMarker, {720, 480}, {720, 576}};
inline constexpr FrameSize kSZ2[] = {
    {128, 96},    {176, 144},   {240, 160},   {320, 240},   {352, 288},   {480, 320},
    {640, 360},   {640, 480},   {704, 576},   {720, 480},   {720, 576},   {800, 480},
    {800, 600},   {960, 540},   {1024, 576},  {1024, 768},  {1280, 720},  {1280, 1024},
    {1366, 768},  {1408, 1152}, {1440, 900},  {1600, 900},  {1600, 1200}, {1920, 1080},
    {1920, 1200}, {2048, 1152}, {2560, 1440}, {3200, 1800}, {3840, 2160}, {4096, 2304}};
inline constexpr FrameSize kSZ3[] = {kFixedSizeMarker, {176, 144}, {352, 288}};
inline constexpr FrameSize kSZ4[] = {kFixedSizeMarker, {128, 96},  {176, 144},
                                     {352, 288},       {704, 576}, {1408, 1152}};
inline constexpr FrameSize kSZ5[] = {
    {128, 96},    {176, 144},  {240, 160},  {320, 240},   {352, 288},   {480, 320},
    {640, 360},   {640, 480},  {704, 576},  {720, 480},   {800, 480},   {800, 600},
    {960, 540},   {1024, 576}, {1024, 768}, {1280, 720},  {1280, 1024}, {1366, 768},
    {1408, 1152}, {1440, 900}, {1600, 900}, {1600, 1200}, {1920, 1080}};
inline constexpr FrameSize kSZ6[] = {kFixedSizeMarker, {352, 240}, {352, 288}};
inline constexpr FrameSize kSZ7[] = {{240, 160}, {320, 240}, {480, 320}, {640, 360}, {640, 480}};

// Video bit rates in bits per second.
inline constexpr int kVB1[] = {96000,   128000,   160000,   192000,   256000,   320000,  384000,
                               448000,  512000,   640000,   768000,   800000,   900000,  1000000,
                               1200000, 1500000,  1800000,  2000000,  2200000,  2500000, 2800000,
                               3000000, 3500000,  4000000,  5000000,  6000000,  7000000, 8000000,
                               9000000, 10000000, 12000000, 15000000, 18000000, 20000000};
inline constexpr int kVB2[] = {1150000};

// Frame rates per second.
inline constexpr double kFR1[] = {25, 29.97, -1.0};
inline constexpr double kFR2[] = {5, 8, 10, 12, 15, 20, 23.97, 24, 25, 29.97, 30, 50, 60, -1.0};
inline constexpr double kFR3[] = {8, 10, 11, 12, 15, 20, 23.97, 24, 25, 29.97, 30, -1.0};
inline constexpr double kFR4[] = {23.97, 25, 29.97, -1.0};
inline constexpr double kFR5[] = {0.1, 0.2, 0.3, 0.4, 0.5,   0.8, 1,  2,     3,  4,  5,  8,
                                  10,  12,  15,  20,  23.97, 24,  25, 29.97, 30, 50, 60, -1.0};
}  // namespace velmora::catalogue
