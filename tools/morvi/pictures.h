// The pictures of a picture quiz as resources of its executable: question
// q's picture has id 400 + q, its reveal picture 10400 + q. A PNG file is
// stored plain as RT_RCDATA, for the program's own decoder; any other
// picture file is stored scrambled as "IMG", for the system's picture
// loader.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "quiz_source.h"

struct PictureResource {
  int id;
  bool png;                    // RT_RCDATA, plain; otherwise "IMG", scrambled
  std::vector<uint8_t> bytes;  // as stored
};

// Reads every picture file the quiz names; false with a reason when one is
// missing or empty.
bool CollectPictures(const QuizSource& quiz, std::vector<PictureResource>* pictures, std::string* error);

// Writes each picture into dir and dir/resources.rc naming them (an empty
// list for a quiz without pictures).
bool WritePictureResources(const std::vector<PictureResource>& pictures, const std::string& dir,
                           std::string* error);
