#include "allele_tallies.h"

#include <algorithm>

std::vector<LocusHead> locus_heads;
std::vector<AlleleSlot> allele_slots;
std::vector<std::vector<std::int32_t>> sample_counts;
std::int32_t* current_counts = nullptr;

void ResetTallies() {
    locus_heads.clear();
    allele_slots.clear();
    sample_counts.clear();
    current_counts = nullptr;
}

void StartTallies(std::int32_t loci) {
    ResetTallies();
    locus_heads.assign(static_cast<std::size_t>(loci) + 1, LocusHead{{-1, -1}, {0, 0}});
}

void StartSample() {
    // The sample before has all the slots it will ever have: its growth is given back.
    if (!sample_counts.empty()) {
        sample_counts.back().shrink_to_fit();
    }
    sample_counts.emplace_back(allele_slots.size(), 0);
    current_counts = sample_counts.back().data();
}

std::int32_t SamplesTallied() {
    return static_cast<std::int32_t>(sample_counts.size());
}

namespace {

// Adds `code`, seen at `locus` for the first time, after the slot `last` of its chain (-1 when
// the locus has none), with one copy in the current sample.
void AddNewAllele(LocusHead& head, int code, std::int32_t last) {
    const auto slot = static_cast<std::int32_t>(allele_slots.size());
    allele_slots.push_back({-1, static_cast<std::int16_t>(code)});
    if (last >= 0) {
        allele_slots[static_cast<std::size_t>(last)].next = slot;
    }
    if (head.code[0] == 0) {
        head.code[0] = static_cast<std::int16_t>(code);
        head.slot[0] = slot;
        head.slot[1] = slot;
    } else if (head.code[1] == 0) {
        head.code[1] = static_cast<std::int16_t>(code);
        head.slot[1] = slot;
    }
    sample_counts.back().push_back(1);
    current_counts = sample_counts.back().data();
}

} // namespace

void AddOtherCopy(std::int32_t locus, int code) {
    LocusHead& head = locus_heads[static_cast<std::size_t>(locus)];
    std::int32_t last = -1;
    for (std::int32_t slot = head.slot[0]; slot >= 0;
         slot = allele_slots[static_cast<std::size_t>(slot)].next) {
        if (allele_slots[static_cast<std::size_t>(slot)].code == code) {
            ++current_counts[slot];
            return;
        }
        last = slot;
    }
    AddNewAllele(head, code, last);
}

void ListAlleles(std::int32_t locus, std::vector<ListedAllele>& listed) {
    listed.clear();
    for (std::int32_t slot = locus_heads[static_cast<std::size_t>(locus)].slot[0]; slot >= 0;
         slot = allele_slots[static_cast<std::size_t>(slot)].next) {
        listed.push_back({allele_slots[static_cast<std::size_t>(slot)].code, slot});
    }
    std::sort(listed.begin(), listed.end(),
              [](const ListedAllele& a, const ListedAllele& b) { return a.code < b.code; });
}

std::int32_t CountOf(std::int32_t slot, std::int32_t sample) {
    const std::vector<std::int32_t>& counts = sample_counts[static_cast<std::size_t>(sample - 1)];
    // A code first seen after this sample has no count in it.
    return static_cast<std::size_t>(slot) < counts.size() ? counts[static_cast<std::size_t>(slot)]
                                                          : 0;
}

std::int32_t AlleleCount(std::int32_t locus) {
    std::int32_t count = 0;
    for (std::int32_t slot = locus_heads[static_cast<std::size_t>(locus)].slot[0]; slot >= 0;
         slot = allele_slots[static_cast<std::size_t>(slot)].next) {
        ++count;
    }
    return count;
}
