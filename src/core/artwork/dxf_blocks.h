// The drawing's blocks, kept for insertion: up to 350, each with its name, base point and the groups of
// its entities.  Small blocks stay in memory; the rest go to scratch files, so a drawing whose blocks
// hold most of its entities is read with flat memory.
#pragma once

#include <cstdio>
#include <string>
#include <unordered_map>
#include <vector>

#include "artwork/dxf_transform.h"

namespace quill {

class ScratchFolder;

inline constexpr int MaxBlocks = 350;

struct DxfBlock {
  std::string name;
  DxfPoint base;
  std::string text;  // the groups, code and value lines, when kept in memory
  std::string file;  // else the scratch file holding them
};

class DxfBlockTable {
 public:
  explicit DxfBlockTable(ScratchFolder& scratch);
  ~DxfBlockTable();
  DxfBlockTable(const DxfBlockTable&) = delete;
  DxfBlockTable& operator=(const DxfBlockTable&) = delete;

  int Count() const { return static_cast<int>(blocks_.size()); }
  bool Full() const { return Count() >= MaxBlocks; }
  // Starts the next block; its groups follow through Add, then End.
  void Begin(const std::string& name, const DxfPoint& base);
  void Add(int code, const std::string& value);
  void End();
  // The first block of that name, or null.
  const DxfBlock* Find(const std::string& name) const;

 private:
  void Spill(DxfBlock& b);

  ScratchFolder& scratch_;
  std::vector<DxfBlock> blocks_;
  std::unordered_map<std::string, size_t> byName_;
  std::FILE* spill_ = nullptr;
  bool noSpill_ = false;  // the scratch folder could not be used: everything stays in memory
  size_t inMemory_ = 0;
};

}  // namespace quill
