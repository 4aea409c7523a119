#pragma once

#include <cstdint>

// One KQ580 flash-mode loader: device code from the chip's maker, carried as opaque
// little-endian 32-bit words. Empty when the build was made without it.
struct LoaderImage {
    const uint32_t *words = nullptr;
    int count = 0;

    bool builtIn() const { return words && count > 0; }
};

// The two loaders "KQ580 enter flash mode" chooses between.
struct FlashModeLoaders {
    LoaderImage nor;  // vcom_norflash_code
    LoaderImage nand; // vcom_nandflash_code
};

constexpr int NorLoaderWords = 1224;
constexpr int NandLoaderWords = 1208;

// The loaders embedded at build time from the files named by TESSARA_NOR_LOADER and
// TESSARA_NAND_LOADER (generated source).
FlashModeLoaders BuiltIn_Loaders();
