// Adding pages to a TIFF.
#include "container/page_insert.h"

#include "container/page_description.h"
#include "container/page_edit.h"
#include "container/page_writer.h"
#include "dib/dib_block.h"
#include "dib/dib_depth.h"

namespace quill::tiff {
namespace {

// Inserts the page; *placed tells whether it now stands at `page` (false when it was left last).
bool Insert(WriteTarget& target, HGLOBAL dib, int compression, int bits, int page, const Progress& progress,
            bool* placed) {
  *placed = false;
  if (!WriteDibPage(target, dib, compression, bits, true, progress)) return false;
  auto tif = target.Edit();
  const int pages = tif == nullptr ? 0 : tif->PageCount();
  if (pages > 1 && page >= 0 && page < pages - 1) *placed = MovePage(*tif, page, pages - 1);
  return true;
}

}  // namespace

bool WriteDibPage(WriteTarget& target, HGLOBAL dib, int compression, int bits, bool append, const Progress& progress) {
  const uint32_t tiffCompression = TiffCompression(compression);
  if (tiffCompression == kHuffman || tiffCompression == kGroup3 || tiffCompression == kGroup4) bits = 1;
  InputDib in(dib);
  if (!in.ok()) return false;
  HGLOBAL converted = bits <= 0 || bits != in.info().bits ? ConvertDibDepth(dib, bits) : nullptr;
  bool ok = false;
  {
    InputDib page(converted != nullptr ? converted : dib);
    ok = page.ok() && target.AddPage(append, page.info(), tiffCompression, progress);
  }
  GlobalFree(converted);
  return ok;
}

bool InsertDibPage(WriteTarget& target, HGLOBAL dib, int compression, int bits, int page, const Progress& progress) {
  bool placed = false;
  return Insert(target, dib, compression, bits, page, progress, &placed);
}

bool ReplaceDibPage(WriteTarget& target, HGLOBAL dib, int compression, int bits, int page, const Progress& progress) {
  bool placed = false;
  if (!Insert(target, dib, compression, bits, page, progress, &placed)) return false;
  // Only a page that stands where it was asked to displaces the old one; otherwise the old page stays.
  if (placed) {
    auto tif = target.Edit();
    if (tif != nullptr) DeletePage(*tif, page + 1);
  }
  return true;
}

}  // namespace quill::tiff
