#include "package/quiz_package_win.h"

#include <windows.h>

namespace {

class ResourceBlocks : public StoredBlocks {
 public:
  void Fetch(int index, const uint8_t** bytes, uint32_t* size) override {
    *bytes = nullptr;
    *size = 0;
    if (index == 0) {
      *bytes = quizBlock0;
      *size = kLinkBlockSize;
      return;
    }
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(kQuizResourceIds[index - 1]),
                                kQuizResourceType);
    if (found == nullptr) return;
    loaded_ = LoadResource(nullptr, found);
    if (loaded_ == nullptr) return;
    const void* data = LockResource(loaded_);
    if (data == nullptr) return;
    *bytes = static_cast<const uint8_t*>(data);
    *size = SizeofResource(nullptr, found);
  }

  void Release(int index) override {
    if (index > 0 && loaded_ != nullptr) FreeResource(loaded_);
    loaded_ = nullptr;
  }

 private:
  HGLOBAL loaded_ = nullptr;
};

void ShowOutOfMemory() {
  MessageBoxA(nullptr, "Impossible d'allouer la memoire", "information", MB_OK);
}

}  // namespace

void LoadQuizPackage(AppState& state) {
  lzwMemory.outputUnavailable = ShowOutOfMemory;
  ResourceBlocks blocks;
  const QuizLoadResult result = LoadQuizBlocks(state, blocks);
  if (result.colourRead) {
    if (state.pageBrush != nullptr) DeleteObject(state.pageBrush);
    state.pageBrush = CreateSolidBrush(RGB(state.pageRed, state.pageGreen, state.pageBlue));
  }
  if (!result.ok) MessageBoxA(nullptr, "Erreur dans le déchiffrage", "Morvi", MB_OK);
}
