/* Compiled as plain C: the header must stand on its own, and the exported memory blocks must work. */
#include <string.h>

#include "tiffio32.h"

int main(void) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(BITMAPINFOHEADER));
  if (block == NULL || GlobalSize(block) != sizeof(BITMAPINFOHEADER)) return 1;
  BITMAPINFOHEADER* header = (BITMAPINFOHEADER*)GlobalLock(block);
  if (header == NULL || header->biSize != 0 || GlobalHandle(header) != block) return 2;
  memset(header, 0xAB, sizeof *header);
  GlobalUnlock(block);
  if (GlobalReAlloc(block, 300000, GMEM_MOVEABLE | GMEM_ZEROINIT) != block) return 3;
  const unsigned char* bytes = (const unsigned char*)GlobalLock(block);
  if (bytes[0] != 0xAB || bytes[299999] != 0) return 4;
  GlobalUnlock(block);
  if (GlobalFree(block) != NULL) return 5;
  return 0;
}
