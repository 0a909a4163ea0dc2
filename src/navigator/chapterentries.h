#pragma once

#include <array>

// How many section titles (`etsout`) and entries (`ettext`) each chapter frame of the
// tables of contents holds, chapter by chapter (`chapi` index 0 to 18). The `ettext`
// labels are numbered in this order, chapter 0's entries first, and entry label i is
// captioned with the key of page i + 1: a course's first pages are these entries.
// Within a chapter the entries are shared among its sections in order, the first
// sections taking one more when they do not divide evenly.
namespace chapterentries {

inline constexpr int chapterCount = 19;

inline constexpr std::array<int, chapterCount> sections = {3, 3, 3, 4, 4, 3, 3, 3, 3, 3,
                                                           3, 3, 3, 3, 3, 3, 3, 4, 3};
inline constexpr std::array<int, chapterCount> entries = {7, 9, 6, 11, 12, 7, 7, 8,  8, 6,
                                                          7, 8, 7, 9,  7,  8, 9, 10, 7};

inline constexpr int totalEntries() {
    int total = 0;
    for (int n : entries)
        total += n;
    return total;
}

// Index of the first `ettext` label of a chapter.
inline constexpr int firstEntry(int chapter) {
    int first = 0;
    for (int c = 0; c < chapter; ++c)
        first += entries[c];
    return first;
}

// Entries of section s (0-based) of a chapter.
inline constexpr int entriesOfSection(int chapter, int s) {
    const int n = entries[chapter];
    const int k = sections[chapter];
    return n / k + (s < n % k ? 1 : 0);
}

} // namespace chapterentries
