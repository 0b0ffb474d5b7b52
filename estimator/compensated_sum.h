// Sums of many terms kept to the last bit: over a million loci a plain running sum loses as many
// digits as the additions it makes, and the sum of all loci but one, taken as the sum of all less
// the locus's own terms, keeps only what the difference of two close numbers keeps.
#pragma once

#include <cmath>

// A running sum with the error of every addition carried beside it (Neumaier's variant of Kahan
// summation): its value is the exact sum rounded, up to a few units in the last place, whatever
// the number of terms and their order.
struct CompensatedSum {
    double sum = 0.0;
    double error = 0.0;

    void Add(double term) {
        const double total = sum + term;
        // The part of the smaller of the two that the addition lost.
        if (std::fabs(sum) >= std::fabs(term)) {
            error += (sum - total) + term;
        } else {
            error += (term - total) + sum;
        }
        sum = total;
    }
    double Value() const { return sum + error; }
    // The sum of this one's terms less those of `part`, a sum of some of them: the two sums
    // are subtracted with their errors, so that a part that holds nearly all of the sum leaves
    // the rest to the last bit.
    double Less(const CompensatedSum& part) const {
        // Knuth's two-sum: `rounding` is exactly what the subtraction lost.
        const double difference = sum - part.sum;
        const double taken = difference - sum;
        const double rounding = (sum - (difference - taken)) + (-part.sum - taken);
        return difference + (rounding + (error - part.error));
    }
};

// A running sum as plain addition makes it, with the same face, for sums whose every bit must
// stay as it was.
struct PlainSum {
    double sum = 0.0;

    void Add(double term) { sum += term; }
    double Value() const { return sum; }
};
