#pragma once

#include <array>

// The height in twips an unfolded chapter frame of the tables of contents takes,
// by chapter index (`hauteursChapitres` 0 to 18); a folded chapter is 255 high.
namespace chapterheights {

inline constexpr std::array<short, 19> unfolded = {4335, 4935, 4215, 5895, 6255, 4455, 4455,
                                                   4695, 4695, 4215, 4335, 4695, 4455, 4935,
                                                   4455, 4815, 4935, 5655, 4335};
inline constexpr short folded = 255;

} // namespace chapterheights
