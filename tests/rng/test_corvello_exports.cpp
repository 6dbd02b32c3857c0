// Corvello.so must load into any program: it needs nothing beyond the C
// runtime and exports exactly its seven functions under their plain names.
#include <elf.h>
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "corvello_loader.h"

namespace {

class ElfFile {
 public:
  explicit ElfFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    bytes_.assign(std::istreambuf_iterator<char>(in), {});
  }

  bool IsElf64() const {
    return bytes_.size() >= sizeof(Elf64_Ehdr) && std::memcmp(bytes_.data(), ELFMAG, SELFMAG) == 0 &&
           bytes_[EI_CLASS] == ELFCLASS64;
  }

  std::set<std::string> Needed() const {
    std::set<std::string> names;
    for (const Elf64_Shdr* section : Sections(SHT_DYNAMIC))
      for (const auto& entry : Entries<Elf64_Dyn>(*section))
        if (entry.d_tag == DT_NEEDED) names.insert(String(*section, entry.d_un.d_val));
    return names;
  }

  std::set<std::string> DefinedGlobalFunctions() const {
    std::set<std::string> names;
    for (const Elf64_Shdr* section : Sections(SHT_DYNSYM))
      for (const auto& symbol : Entries<Elf64_Sym>(*section))
        if (symbol.st_shndx != SHN_UNDEF && ELF64_ST_TYPE(symbol.st_info) == STT_FUNC &&
            ELF64_ST_BIND(symbol.st_info) == STB_GLOBAL)
          names.insert(String(*section, symbol.st_name));
    return names;
  }

 private:
  template <typename T>
  const T* At(uint64_t offset, uint64_t count = 1) const {
    if (offset > bytes_.size() || count * sizeof(T) > bytes_.size() - offset)
      throw std::runtime_error("ELF structure beyond the end of the file");
    return reinterpret_cast<const T*>(bytes_.data() + offset);
  }

  std::vector<const Elf64_Shdr*> Sections(uint32_t type) const {
    const auto* header = At<Elf64_Ehdr>(0);
    const auto* sections = At<Elf64_Shdr>(header->e_shoff, header->e_shnum);
    std::vector<const Elf64_Shdr*> found;
    for (int i = 0; i < header->e_shnum; ++i)
      if (sections[i].sh_type == type) found.push_back(&sections[i]);
    return found;
  }

  template <typename T>
  std::vector<T> Entries(const Elf64_Shdr& section) const {
    const T* first = At<T>(section.sh_offset, section.sh_size / sizeof(T));
    return {first, first + section.sh_size / sizeof(T)};
  }

  // The names of a section's entries lie in the string table it links to.
  std::string String(const Elf64_Shdr& section, uint64_t offset) const {
    const auto* header = At<Elf64_Ehdr>(0);
    const auto* table = At<Elf64_Shdr>(header->e_shoff + section.sh_link * sizeof(Elf64_Shdr));
    const char* text = At<char>(table->sh_offset + offset);
    return std::string(text, strnlen(text, bytes_.size() - (table->sh_offset + offset)));
  }

  std::vector<char> bytes_;
};

TEST(CorvelloExports, NeedsOnlyTheCRuntime) {
  const ElfFile library(BuiltCorvello());
  ASSERT_TRUE(library.IsElf64());
  std::set<std::string> allowed = {"libc.so.6"};
#if defined(__SANITIZE_ADDRESS__)
  // An instrumented build also needs the runtimes its loader already has.
  allowed.insert({"libasan.so.8", "libubsan.so.1"});
#endif
  for (const auto& name : library.Needed()) EXPECT_TRUE(allowed.count(name)) << name;
}

TEST(CorvelloExports, ExportsExactlyTheSevenFunctions) {
  const ElfFile library(BuiltCorvello());
  ASSERT_TRUE(library.IsElf64());
  const std::set<std::string> expected = {
      "rng_Init",      "rng_InitAndSkip", "rng_GenInt32",          "rng_GenInt31",
      "rng_GenNumber", "rng_GenNumber2",  "rng_GetGenerationCount"};
  EXPECT_EQ(library.DefinedGlobalFunctions(), expected);
}

}  // namespace
