#include "artwork/dxf_blocks.h"

#include "artwork/dxf_scratch.h"

namespace quill {

namespace {
constexpr size_t BlockMemoryCap = 64 * 1024;         // a block larger than this goes to a file
constexpr size_t TotalMemoryCap = 16 * 1024 * 1024;  // and so does every block once this much is held
}  // namespace

DxfBlockTable::DxfBlockTable(ScratchFolder& scratch) : scratch_(scratch) {
  blocks_.reserve(MaxBlocks);
}

DxfBlockTable::~DxfBlockTable() {
  End();
}

void DxfBlockTable::Begin(const std::string& name, const DxfPoint& base) {
  End();
  if (Full()) return;
  blocks_.push_back({name, base, {}, {}});
  byName_.emplace(name, blocks_.size() - 1);
}

void DxfBlockTable::Spill(DxfBlock& b) {
  // Block files are named by the block's number, as the scratch files always were.
  std::string path = scratch_.File(std::to_string(blocks_.size()) + ".B$$");
  if (path.empty() || !(spill_ = std::fopen(path.c_str(), "wb"))) {
    noSpill_ = true;
    return;
  }
  std::fwrite(b.text.data(), 1, b.text.size(), spill_);
  inMemory_ -= b.text.size();
  b.text = std::string();
  b.file = path;
}

void DxfBlockTable::Add(int code, const std::string& value) {
  if (blocks_.empty()) return;
  DxfBlock& b = blocks_.back();
  std::string pair = std::to_string(code) + '\n' + value + '\n';
  if (!spill_ && !noSpill_ && b.file.empty() &&
      (b.text.size() + pair.size() > BlockMemoryCap || inMemory_ > TotalMemoryCap)) {
    Spill(b);
  }
  if (spill_) {
    std::fwrite(pair.data(), 1, pair.size(), spill_);
  } else {
    b.text += pair;
    inMemory_ += pair.size();
  }
}

void DxfBlockTable::End() {
  if (spill_) std::fclose(spill_);
  spill_ = nullptr;
}

const DxfBlock* DxfBlockTable::Find(const std::string& name) const {
  auto it = byName_.find(name);
  return it == byName_.end() ? nullptr : &blocks_[it->second];
}

}  // namespace quill
