// morvi-art: writes the player's cursor and icons, drawn here as text.
//   morvi-art DIR   ->  DIR/hand.cur, DIR/play.ico, DIR/stop.ico, DIR/morvi.ico
//
// Each picture is a grid of characters: '.' transparent, 'k' black,
// 'w' white, and for the program icon a few colours (see kPalette).
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Grid = std::vector<std::string>;

// The pointing hand: 32 x 32, hot spot at the tip of the finger (6, 0).
const Grid kHand = {
    ".....kk.........................",
    "....kwwk........................",
    "....kwwk........................",
    "....kwwk........................",
    "....kwwk........................",
    "....kwwkkk......................",
    "....kwwkwwkkk...................",
    "....kwwkwwkwwkk.................",
    "....kwwkwwkwwkwk................",
    "kk..kwwwwwwwwkwwk...............",
    "kwk.kwwwwwwwwwwwk...............",
    "kwwkkwwwwwwwwwwwk...............",
    ".kwwkwwwwwwwwwwwk...............",
    "..kwwwwwwwwwwwwwk...............",
    "..kwwwwwwwwwwwwwk...............",
    "...kwwwwwwwwwwwwk...............",
    "...kwwwwwwwwwwwk................",
    "....kwwwwwwwwwwk................",
    "....kwwwwwwwwwwk................",
    ".....kwwwwwwwwk.................",
    ".....kwwwwwwwwk.................",
    ".....kkkkkkkkkk.................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
};

// Play and Stop: the buttons are 20 pixels square, so the glyph keeps to
// the middle of the 32 x 32 icon, where a small button still shows it.
Grid Glyph(bool play) {
  Grid grid(32, std::string(32, '.'));
  for (int y = 10; y < 22; ++y) {
    for (int x = 10; x < 22; ++x) {
      const bool inside = play ? (x - 11) * 2 <= (y < 16 ? y - 10 : 21 - y) * 2 + 1 && x >= 11
                               : x >= 11 && x <= 20 && y >= 11 && y <= 20;
      if (inside) grid[y][x] = 'k';
    }
  }
  return grid;
}

// The program icon: a white question mark on a blue disc.
const Grid kProgram = {
    "................................",
    "...........bbbbbbbbbb...........",
    "........bbbbbbbbbbbbbbbb........",
    "......bbbbbbbbbbbbbbbbbbbb......",
    ".....bbbbbbbbbbbbbbbbbbbbbb.....",
    "....bbbbbbbbbwwwwwwbbbbbbbbb....",
    "...bbbbbbbbwwwwwwwwwwbbbbbbbb...",
    "...bbbbbbbwwwwbbbbwwwwbbbbbbb...",
    "..bbbbbbbbwwwbbbbbbwwwbbbbbbbb..",
    "..bbbbbbbbwwwbbbbbbwwwbbbbbbbb..",
    ".bbbbbbbbbbbbbbbbbbwwwbbbbbbbbb.",
    ".bbbbbbbbbbbbbbbbbwwwwbbbbbbbbb.",
    ".bbbbbbbbbbbbbbbbwwwwbbbbbbbbbb.",
    ".bbbbbbbbbbbbbbbwwwwbbbbbbbbbbb.",
    ".bbbbbbbbbbbbbbwwwwbbbbbbbbbbbb.",
    ".bbbbbbbbbbbbbwwwwbbbbbbbbbbbbb.",
    ".bbbbbbbbbbbbbwwwbbbbbbbbbbbbbb.",
    ".bbbbbbbbbbbbbwwwbbbbbbbbbbbbbb.",
    ".bbbbbbbbbbbbbwwwbbbbbbbbbbbbbb.",
    ".bbbbbbbbbbbbbbbbbbbbbbbbbbbbbb.",
    ".bbbbbbbbbbbbbbbbbbbbbbbbbbbbbb.",
    ".bbbbbbbbbbbbbwwwbbbbbbbbbbbbbb.",
    "..bbbbbbbbbbbwwwwwbbbbbbbbbbbb..",
    "..bbbbbbbbbbbwwwwwbbbbbbbbbbbb..",
    "...bbbbbbbbbbbwwwbbbbbbbbbbbb...",
    "...bbbbbbbbbbbbbbbbbbbbbbbbbb...",
    "....bbbbbbbbbbbbbbbbbbbbbbbb....",
    ".....bbbbbbbbbbbbbbbbbbbbbb.....",
    "......bbbbbbbbbbbbbbbbbbbb......",
    "........bbbbbbbbbbbbbbbb........",
    "...........bbbbbbbbbb...........",
    "................................",
};

struct Colour {
  char key;
  uint8_t r, g, b;
};
constexpr Colour kPalette[] = {{'k', 0, 0, 0}, {'w', 255, 255, 255}, {'b', 40, 90, 190}};

void Put16(std::vector<uint8_t>& out, unsigned v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(std::vector<uint8_t>& out, unsigned v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

// The AND mask: 1 where transparent, rows bottom-up, 4-byte aligned.
void PutMask(std::vector<uint8_t>& out, const Grid& grid) {
  const int size = static_cast<int>(grid.size());
  for (int y = size - 1; y >= 0; --y) {
    for (int byte = 0; byte < 4; ++byte) {
      uint8_t bits = 0;
      for (int bit = 0; bit < 8; ++bit) {
        if (grid[y][byte * 8 + bit] == '.') bits |= 0x80 >> bit;
      }
      out.push_back(bits);
    }
  }
}

void PutHeader(std::vector<uint8_t>& out, int size, int bitCount) {
  Put32(out, 40);
  Put32(out, size);
  Put32(out, size * 2);  // image and mask
  Put16(out, 1);
  Put16(out, bitCount);
  for (int i = 0; i < 6; ++i) Put32(out, 0);
}

// A 1-bit image: palette black, white; transparent pixels are 0 in the
// image and 1 in the mask.
std::vector<uint8_t> Monochrome(const Grid& grid) {
  std::vector<uint8_t> out;
  PutHeader(out, 32, 1);
  Put32(out, 0x00000000);
  Put32(out, 0x00FFFFFF);
  for (int y = 31; y >= 0; --y) {
    for (int byte = 0; byte < 4; ++byte) {
      uint8_t bits = 0;
      for (int bit = 0; bit < 8; ++bit) {
        if (grid[y][byte * 8 + bit] == 'w') bits |= 0x80 >> bit;
      }
      out.push_back(bits);
    }
  }
  PutMask(out, grid);
  return out;
}

// A 32-bit image with alpha, and the mask for systems that want one.
std::vector<uint8_t> Coloured(const Grid& grid) {
  std::vector<uint8_t> out;
  PutHeader(out, 32, 32);
  for (int y = 31; y >= 0; --y) {
    for (int x = 0; x < 32; ++x) {
      Colour c{'.', 0, 0, 0};
      for (const Colour& p : kPalette) {
        if (p.key == grid[y][x]) c = p;
      }
      const bool clear = grid[y][x] == '.';
      out.push_back(c.b);
      out.push_back(c.g);
      out.push_back(c.r);
      out.push_back(clear ? 0 : 255);
    }
  }
  PutMask(out, grid);
  return out;
}

// An icon (type 1) or cursor (type 2) file holding one 32 x 32 image.
bool WriteFile(const std::string& path, int type, const std::vector<uint8_t>& image, int colours,
               int hotX, int hotY, int bitCount) {
  std::vector<uint8_t> out;
  Put16(out, 0);
  Put16(out, type);
  Put16(out, 1);
  out.push_back(32);
  out.push_back(32);
  out.push_back(static_cast<uint8_t>(colours));
  out.push_back(0);
  Put16(out, type == 2 ? hotX : 1);
  Put16(out, type == 2 ? hotY : bitCount);
  Put32(out, static_cast<unsigned>(image.size()));
  Put32(out, 22);
  out.insert(out.end(), image.begin(), image.end());
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
  return static_cast<bool>(file);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: morvi-art DIR\n");
    return 2;
  }
  const std::string dir = argv[1];
  const bool ok = WriteFile(dir + "/hand.cur", 2, Monochrome(kHand), 2, 6, 0, 1) &&
                  WriteFile(dir + "/play.ico", 1, Monochrome(Glyph(true)), 2, 0, 0, 1) &&
                  WriteFile(dir + "/stop.ico", 1, Monochrome(Glyph(false)), 2, 0, 0, 1) &&
                  WriteFile(dir + "/morvi.ico", 1, Coloured(kProgram), 0, 0, 0, 32);
  if (!ok) std::fprintf(stderr, "morvi-art: cannot write into %s\n", dir.c_str());
  return ok ? 0 : 1;
}
