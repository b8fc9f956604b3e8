/* tiffio32: reads, writes and edits TIFF files on disk or in memory and hands pictures over as packed
 * device-independent bitmaps (DIBs) in movable memory blocks.
 *
 * Every TIFF operation returns 1 for success and -1 for failure.  Every block the library returns belongs
 * to the caller, who releases it with GlobalFree.  A DIB handed in stays the caller's.  Calls keep no
 * state between them; separate calls may run at once on different files.
 *
 * Every function declared with TIFFIO32_API is exported; the library's export list is made from this
 * header. */
#ifndef TIFFIO32_H
#define TIFFIO32_H

#include <stddef.h>
#include <stdint.h>

#if defined(__GNUC__)
#define TIFFIO32_API __attribute__((visibility("default")))
#else
#define TIFFIO32_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Movable memory blocks ---- */

/* A handle stays valid while its block moves; GlobalLock gives the block's current address. */
typedef struct TiffGlobalBlock* HGLOBAL;

#define GMEM_FIXED 0x0000u
#define GMEM_MOVEABLE 0x0002u
#define GMEM_ZEROINIT 0x0040u

/* A new block of bytes (may be 0), zero-filled with GMEM_ZEROINIT; null when memory cannot be had. */
TIFFIO32_API HGLOBAL GlobalAlloc(uint32_t flags, size_t bytes);
/* Resizes the block, which may move; new bytes are zero with GMEM_ZEROINIT.  Returns the handle (the
 * same one), or null when memory cannot be had, the block then staying as it was. */
TIFFIO32_API HGLOBAL GlobalReAlloc(HGLOBAL block, size_t bytes, uint32_t flags);
/* The block's current address (null for a null handle); counts a lock. */
TIFFIO32_API void* GlobalLock(HGLOBAL block);
/* Releases one lock; nonzero while the block stays locked. */
TIFFIO32_API int32_t GlobalUnlock(HGLOBAL block);
TIFFIO32_API size_t GlobalSize(HGLOBAL block);
/* Releases the block; returns null on success, the handle when it was not a block. */
TIFFIO32_API HGLOBAL GlobalFree(HGLOBAL block);
/* The handle of the block whose address (as GlobalLock gave it) is given; null when it is none. */
TIFFIO32_API HGLOBAL GlobalHandle(const void* address);

/* ---- Bitmap structures (Windows layouts and sizes) ---- */

#pragma pack(push, 2)
typedef struct tagBITMAPINFOHEADER {
  uint32_t biSize;
  int32_t biWidth;
  int32_t biHeight;
  uint16_t biPlanes;
  uint16_t biBitCount;
  uint32_t biCompression;
  uint32_t biSizeImage;
  int32_t biXPelsPerMeter;
  int32_t biYPelsPerMeter;
  uint32_t biClrUsed;
  uint32_t biClrImportant;
} BITMAPINFOHEADER;
#pragma pack(pop)

typedef struct tagRGBQUAD {
  uint8_t rgbBlue;
  uint8_t rgbGreen;
  uint8_t rgbRed;
  uint8_t rgbReserved;
} RGBQUAD;

typedef struct tagPALETTEENTRY {
  uint8_t peRed;
  uint8_t peGreen;
  uint8_t peBlue;
  uint8_t peFlags;
} PALETTEENTRY;

#ifdef __cplusplus
static_assert(sizeof(BITMAPINFOHEADER) == 40 && sizeof(RGBQUAD) == 4 && sizeof(PALETTEENTRY) == 4,
              "Windows layouts");
#else
_Static_assert(sizeof(BITMAPINFOHEADER) == 40 && sizeof(RGBQUAD) == 4 && sizeof(PALETTEENTRY) == 4,
               "Windows layouts");
#endif

/* ---- Device bitmaps and palettes ----
 * Stand-ins for the screen's bitmap and palette objects: a bitmap holds a picture (1-bit monochrome or
 * 24-bit colour, or whatever depth the DIB it was made from had), a palette up to 256 colours. */
typedef struct TiffBitmap* HBITMAP;
typedef struct TiffPalette* HPALETTE;

/* A bitmap holding a copy of the DIB; null when the DIB is not a packed DIB. */
TIFFIO32_API HBITMAP CreateDibBitmap(HGLOBAL dib);
/* A new DIB (caller frees) holding a copy of the bitmap's picture. */
TIFFIO32_API HGLOBAL GetBitmapDib(HBITMAP bitmap);
TIFFIO32_API int32_t GetBitmapWidth(HBITMAP bitmap);
TIFFIO32_API int32_t GetBitmapHeight(HBITMAP bitmap);
TIFFIO32_API int16_t GetBitmapBits(HBITMAP bitmap);
/* A palette of count (1 to 256) entries; null otherwise. */
TIFFIO32_API HPALETTE CreateTiffPalette(const PALETTEENTRY* entries, uint16_t count);
TIFFIO32_API void DeleteBitmap(HBITMAP bitmap);
TIFFIO32_API void DeletePalette(HPALETTE palette);

/* ---- TIFF files and memory streams ---- */

/* Progress: (percent, user) -> nonzero to go on, 0 to cancel.  A null callback is allowed everywhere. */
typedef int16_t (*TiffProgressProc)(int32_t percent, int32_t user);
/* Tag report: (tag, count, value, text, user).  A non-null text is a block of its own that the callback
 * owns: release it with GlobalFree(GlobalHandle(text)). */
typedef void (*TiffTagProc)(int32_t tag, int32_t count, int32_t value, char* text, int32_t user);

/* Reading: bits is the wanted depth when convert is nonzero (1, 4, 8, 24; 0 or less gray; 1616 16-bit
 * gray from 9-to-16-bit pages). */
TIFFIO32_API int16_t readtiffiledib(const char* file, int16_t bits, int16_t convert, int16_t page, HGLOBAL* dib,
                                    int32_t user, TiffProgressProc callback);
TIFFIO32_API int16_t readtiffiledibstream(const uint8_t* stream, uint32_t size, int16_t bits, int16_t convert,
                                          int16_t page, HGLOBAL* dib, int32_t user, TiffProgressProc callback);
TIFFIO32_API int16_t readtiffile(const char* file, int16_t bits, int16_t convert, int16_t page, int16_t scale,
                                 HBITMAP* bitmap, HPALETTE* palette, int32_t user, TiffProgressProc callback);
TIFFIO32_API int16_t readtiffilestream(const uint8_t* stream, uint32_t size, int16_t bits, int16_t convert,
                                       int16_t page, int16_t scale, HBITMAP* bitmap, HPALETTE* palette,
                                       int32_t user, TiffProgressProc callback);

/* Compression is the page's TIFF code (32773 PackBits, hence unsigned). */
TIFFIO32_API int16_t getinfo(const char* file, int16_t page, int32_t* width, int32_t* height, uint16_t* compression,
                             int32_t* reserved, int16_t* pages, int16_t* bitsPerPixel);
TIFFIO32_API int16_t getinfostream(const uint8_t* stream, uint32_t size, int16_t page, int32_t* width,
                                   int32_t* height, uint16_t* compression, int32_t* reserved, int16_t* pages,
                                   int16_t* bitsPerPixel);

/* Writing: compression 0/1 none, 2 CCITT modified Huffman, 3 Group 3, 4 Group 4, 5 LZW, other PackBits.
 * Stream forms: a null *stream makes a new block; on return *stream is the (possibly moved) block's
 * locked address and *size the bytes in use.  The caller owns the block. */
TIFFIO32_API int16_t writetiffiledib(const char* file, int16_t compression, int16_t bits, int16_t append,
                                     HGLOBAL dib, int32_t user, TiffProgressProc callback);
TIFFIO32_API int16_t writetiffiledibstream(uint8_t** stream, uint32_t* size, int16_t compression, int16_t bits,
                                           int16_t append, HGLOBAL dib, int32_t user, TiffProgressProc callback);
TIFFIO32_API int16_t writetiffile(const char* file, int16_t compression, int16_t bits, int16_t append,
                                  HBITMAP bitmap, HPALETTE palette, int32_t user, TiffProgressProc callback);
TIFFIO32_API int16_t writetiffilestream(uint8_t** stream, uint32_t* size, int16_t compression, int16_t bits,
                                        int16_t append, HBITMAP bitmap, HPALETTE palette, int32_t user,
                                        TiffProgressProc callback);

TIFFIO32_API int16_t writetiffiledibpage(const char* file, int16_t compression, int16_t bits, int16_t page,
                                         HGLOBAL dib, int32_t user, TiffProgressProc callback);
TIFFIO32_API int16_t writetiffiledibpagestream(uint8_t** stream, uint32_t* size, int16_t compression,
                                               int16_t bits, int16_t page, HGLOBAL dib, int32_t user,
                                               TiffProgressProc callback);
TIFFIO32_API int16_t writetiffilepage(const char* file, int16_t compression, int16_t bits, int16_t page,
                                      HBITMAP bitmap, HPALETTE palette, int32_t user, TiffProgressProc callback);
TIFFIO32_API int16_t writetiffilepagestream(uint8_t** stream, uint32_t* size, int16_t compression, int16_t bits,
                                            int16_t page, HBITMAP bitmap, HPALETTE palette, int32_t user,
                                            TiffProgressProc callback);

TIFFIO32_API int16_t writetiffiledibpagereplace(const char* file, int16_t compression, int16_t bits, int16_t page,
                                                HGLOBAL dib, int32_t user, TiffProgressProc callback);
TIFFIO32_API int16_t writetiffiledibpagereplacestream(uint8_t** stream, uint32_t* size, int16_t compression,
                                                      int16_t bits, int16_t page, HGLOBAL dib, int32_t user,
                                                      TiffProgressProc callback);
TIFFIO32_API int16_t writetiffilepagereplace(const char* file, int16_t compression, int16_t bits, int16_t page,
                                             HBITMAP bitmap, HPALETTE palette, int32_t user,
                                             TiffProgressProc callback);
TIFFIO32_API int16_t writetiffilepagereplacestream(uint8_t** stream, uint32_t* size, int16_t compression,
                                                   int16_t bits, int16_t page, HBITMAP bitmap, HPALETTE palette,
                                                   int32_t user, TiffProgressProc callback);

/* Page editing works on the directory chain in place. */
TIFFIO32_API int16_t swappages(const char* file, int16_t pageA, int16_t pageB);
TIFFIO32_API int16_t swappagesstream(uint8_t* stream, uint32_t size, int16_t pageA, int16_t pageB);
/* Moves page to stand directly before target. */
TIFFIO32_API int16_t movepage(const char* file, int16_t target, int16_t page);
TIFFIO32_API int16_t movepagestream(uint8_t* stream, uint32_t size, int16_t target, int16_t page);
TIFFIO32_API int16_t deletepage(const char* file, int16_t page);
TIFFIO32_API int16_t deletepagestream(uint8_t* stream, uint32_t size, int16_t page);
TIFFIO32_API int16_t packtiff(const char* file, int32_t user, TiffProgressProc callback);
TIFFIO32_API int16_t packtiffstream(uint8_t** stream, uint32_t* size, int32_t user, TiffProgressProc callback);

/* Tags.  readtag's text slot: set *text to any non-null value to ask for a text tag's text; it then
 * receives a new block (release with GlobalFree(GlobalHandle(*text))). */
TIFFIO32_API int16_t returntags(const char* file, int16_t page, int32_t user, TiffTagProc callback);
TIFFIO32_API int16_t returntagsstream(const uint8_t* stream, uint32_t size, int16_t page, int32_t user,
                                      TiffTagProc callback);
TIFFIO32_API int16_t readtag(const char* file, int16_t page, int32_t tag, int16_t* count, int32_t* value,
                             char** text);
TIFFIO32_API int16_t readtagstream(const uint8_t* stream, uint32_t size, int16_t page, int32_t tag, int16_t* count,
                                   int32_t* value, char** text);
TIFFIO32_API int16_t writetag(const char* file, int16_t page, int32_t tag, int32_t value);
TIFFIO32_API int16_t writetagstream(uint8_t* stream, uint32_t size, int16_t page, int32_t tag, int32_t value);
TIFFIO32_API int16_t writetagstring(const char* file, int16_t page, int32_t tag, const char* text);
TIFFIO32_API int16_t writetagstringstream(uint8_t* stream, uint32_t size, int16_t page, int32_t tag,
                                         const char* text);

/* ---- DIB depth and colour conversions ----
 * A conversion leaves the DIB it is given as it was and returns a new DIB (the caller's), or null when
 * it does not apply to that DIB or fails.  DIBs read are bottom-up and uncompressed. */

/* Colour-table entries after the header: biClrUsed when nonzero, else 2^biBitCount up to 8 bits, 0
 * for deeper DIBs and for a header that cannot be read. */
TIFFIO32_API int32_t GetColorsInPalette(const BITMAPINFOHEADER* header);
/* Copies the palette's entries (room for 256) and returns their count (1 to 256); else 0. */
TIFFIO32_API int32_t GetPalette(HPALETTE palette, PALETTEENTRY* entries);

/* One step deeper, same indices, the colour table copied (biClrUsed 16, 256), or each index's colour
 * at 24 bits.  Null unless the DIB has a 40-byte header and the stated depth. */
TIFFIO32_API HGLOBAL DIB1to4(HGLOBAL dib);
TIFFIO32_API HGLOBAL DIB4To8(HGLOBAL dib);
TIFFIO32_API HGLOBAL DIB8To24(HGLOBAL dib);
TIFFIO32_API HGLOBAL DIB1To8(HGLOBAL dib);
TIFFIO32_API HGLOBAL DIB1To24(HGLOBAL dib);
TIFFIO32_API HGLOBAL DIB4To24(HGLOBAL dib);
/* Raises a 1-, 4- or 8-bit DIB to bits (4, 8 or 24); null when it is not shallower or the result
 * would pass 16,000,000 bytes. */
TIFFIO32_API HGLOBAL ImgIncreaseColors(HGLOBAL dib, int16_t bits);

/* Flags of the reducing conversions. */
#define DIB_ORDERED_DITHER 1 /* black and white: 8 x 8 ordered dither */
#define DIB_BURKES_DITHER 2  /* black and white: Burkes; colours: Floyd-Steinberg */
#define DIB_FLOYD_DITHER 4   /* Floyd-Steinberg */
#define DIB_TO_GRAY 8        /* ReduceColorToColor: gray instead (ColorToGrayscale) */
#define DIB_FIXED_PALETTE 16 /* ReduceColorToColor: the library's fixed 16 or 256 colours */

/* Black and white (table black, white) from a 1-, 4-, 8- or 24-bit DIB through the tone curve; the
 * lowest of the flags 1, 2, 4 set chooses the method, none a threshold at the middle. */
TIFFIO32_API HGLOBAL DitherToBW(HGLOBAL dib, int16_t flags);
/* Black and white by error diffusion on each component, from 24 bits (8 and 4 bits made 24 first). */
TIFFIO32_API HGLOBAL DIB24To1(HGLOBAL dib);
TIFFIO32_API HGLOBAL DIB8To1(HGLOBAL dib);
TIFFIO32_API HGLOBAL DIB4To1(HGLOBAL dib);
/* colors 2: DitherToBW (null for a 1-bit DIB); up to 256: ReduceColorToColor; more: null. */
TIFFIO32_API HGLOBAL ImgReduceColors(HGLOBAL dib, int16_t colors, int16_t flags);
/* A 4-bit (colors up to 16) or 8-bit DIB with a median-cut palette of at most colors entries; null for
 * a 1- or 4-bit DIB with fewer table entries than colors. */
TIFFIO32_API HGLOBAL ReduceColorToColor(HGLOBAL dib, int16_t colors, int16_t flags);
/* 4 and 8 bits: the same indices with a gray table; 24 bits: 8-bit gray.  Null for 1 bit. */
TIFFIO32_API HGLOBAL ColorToGrayscale(HGLOBAL dib);

/* Palettes of ReduceDib. */
#define DIB_PALETTE_OPTIMISED 0 /* cut from the picture's own colours */
#define DIB_PALETTE_SYSTEM 1    /* the library's fixed colours */
#define DIB_PALETTE_CALLER 2    /* the first count entries of colors (peFlags not read) */
/* Results of ReduceDib and ConvertDib. */
#define DIB_REDUCED 1
#define DIB_NO_OUTPUT_MEMORY (-86)
#define DIB_NO_WORK_MEMORY (-91)
#define DIB_REDUCE_FAILED (-102) /* also: bad arguments, a damaged DIB, a cancel */
#define DIB_NOT_24_BIT (-103)

/* Reduces the 24-bit DIB *dib to depth 8 (256 colours) or 4 (16); depth 0 is 4 with the fixed colours
 * and dither.  With dither nonzero, Floyd-Steinberg.  On DIB_REDUCED the caller's block is released and
 * *dib names the reduced DIB; otherwise *dib stays as it was.  With report 1 a failure is also written
 * to standard error.  The 2 forms report progress through the callback, which may cancel. */
TIFFIO32_API int16_t ReduceDib(HGLOBAL* dib, int16_t depth, int16_t palette, const PALETTEENTRY* colors,
                               int16_t count, int16_t dither, int16_t report);
TIFFIO32_API int16_t ReduceDib2(HGLOBAL* dib, int16_t depth, int16_t palette, const PALETTEENTRY* colors,
                                int16_t count, int16_t dither, int16_t report, int32_t user,
                                TiffProgressProc callback);
/* ReduceDib with the optimised palette, from 1-, 4- and 8-bit DIBs too (made 24-bit on the way). */
TIFFIO32_API int16_t ConvertDib(HGLOBAL* dib, int16_t depth, int16_t dither, int16_t report);
TIFFIO32_API int16_t ConvertDib2(HGLOBAL* dib, int16_t depth, int16_t dither, int16_t report, int32_t user,
                                 TiffProgressProc callback);

/* ---- end of DIB depth and colour conversions ---- */

#ifdef __cplusplus
}
#endif

#endif /* TIFFIO32_H */
