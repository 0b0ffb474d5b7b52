#include "chi_square_quantile.h"

#include <cmath>
#include <limits>

namespace {

const double two_pi = 2.0 * std::acos(-1.0);

// ln Gamma(a) less its Stirling approximation (a - 1/2) ln a - a + ln(2 pi)/2, by the asymptotic
// series, whose error is below 1e-15 from a = 15 on.
double StirlingRemainder(double a) {
    const double r = 1.0 / (a * a);
    return (1.0 / 12.0 -
            r * (1.0 / 360.0 - r * (1.0 / 1260.0 - r * (1.0 / 1680.0 - r * (1.0 / 1188.0))))) /
           a;
}

// y^a e^-y / Gamma(a), the factor in front of both tails of the incomplete gamma function. For
// large a the exponent a ln y - y - ln Gamma(a) is the small difference of numbers near a ln a;
// written as -a (d - ln(1 + d)) with d = (y - a)/a it keeps its digits at any a.
double GammaFront(double a, double y) {
    if (a < 15.0) {
        return std::exp(a * std::log(y) - y - std::lgamma(a));
    }
    const double d = (y - a) / a;
    return std::exp(-a * (d - std::log1p(d)) - StirlingRemainder(a)) * std::sqrt(a / two_pi);
}

// The regularized lower tail P(a, y) by its power series, for y below a + 1, where the terms
// fall from the first on.
double LowerSeries(double a, double y) {
    double term = 1.0 / a;
    double sum = term;
    for (double next = a + 1.0; term > 1e-17 * sum; next += 1.0) {
        term *= y / next;
        sum += term;
    }
    return GammaFront(a, y) * sum;
}

// The regularized upper tail Q(a, y) by its continued fraction (modified Lentz method), for y at
// or above a + 1, where it converges within some sqrt(a) steps.
double UpperFraction(double a, double y) {
    const double tiny = 1e-300;
    double b = y + 1.0 - a;
    double c = 1.0 / tiny;
    double d = 1.0 / b;
    double h = d;
    for (double i = 1.0; i < 1e7; i += 1.0) {
        const double an = -i * (i - a);
        b += 2.0;
        d = an * d + b;
        d = 1.0 / (std::fabs(d) < tiny ? tiny : d);
        c = b + an / c;
        c = std::fabs(c) < tiny ? tiny : c;
        h *= d * c;
        if (std::fabs(d * c - 1.0) < 1e-16) {
            break;
        }
    }
    return GammaFront(a, y) * h;
}

// The chi-square tail below x (lower) or above it, each computed directly where it is small,
// so that neither is the difference 1 - (a value near 1).
double Tail(double x, double df, bool lower) {
    const double a = 0.5 * df;
    const double y = 0.5 * x;
    if (y < a + 1.0) {
        const double P = LowerSeries(a, y);
        return lower ? P : 1.0 - P;
    }
    const double Q = UpperFraction(a, y);
    return lower ? 1.0 - Q : Q;
}

// The standard normal quantile: a rational approximation (Abramowitz and Stegun 26.2.23, error
// below 5e-4) polished by Newton's method on the complementary error function.
double NormalQuantile(double p) {
    const double below = p < 0.5 ? p : 1.0 - p;
    const double s = std::sqrt(-2.0 * std::log(below));
    double z = -(s - (2.515517 + s * (0.802853 + s * 0.010328)) /
                         (1.0 + s * (1.432788 + s * (0.189269 + s * 0.001308))));
    for (int step = 0; step < 4; ++step) {
        const double miss = 0.5 * std::erfc(-z / std::sqrt(2.0)) - below;
        z -= miss / (std::exp(-0.5 * z * z) / std::sqrt(two_pi));
    }
    return p < 0.5 ? z : -z;
}

// Wilson and Hilferty's cube of a normal variate, whose relative error falls as df^-1.5 (near
// 1e-13 at 10^8 degrees of freedom); in the far lower tail of few degrees of freedom, where the
// cube fails, the leading term of the lower series solved for x.
double Start(double p, double df) {
    const double c = 2.0 / (9.0 * df);
    const double w = 1.0 - c + NormalQuantile(p) * std::sqrt(c);
    if (w <= 0.0 || df < -1.24 * std::log(p)) {
        const double a = 0.5 * df;
        return 2.0 * std::exp((std::log(p) + std::lgamma(a + 1.0)) / a);
    }
    return df * w * w * w;
}

} // namespace

double ChiSquareQuantile(double p, double df) {
    if (!(p > 0.0 && p < 1.0) || !(df > 0.0) || std::isinf(df)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    double x = Start(p, df);
    // Beyond 10^12 degrees of freedom the cube's error is below 1e-19; a start of 0 is a
    // quantile below the smallest double, of a p in the far lower tail of few degrees.
    if (df > 1e12 || !(x > 0.0)) {
        return x;
    }
    // Newton's method on the logarithm of the smaller tail (p itself below the median, 1 - p,
    // exact for p at or above 0.5, above it), which keeps the target's digits and, the tails of
    // the chi-square being log-concave, takes long strides far out in a tail.
    const bool lower = p <= 0.5;
    const double log_target = std::log(lower ? p : 1.0 - p);
    const double a = 0.5 * df;
    for (int step = 0; step < 100; ++step) {
        const double tail = Tail(x, df, lower);
        const double slope = GammaFront(a, 0.5 * x) / (x * tail); // of ln(tail), up or down
        const double change = (std::log(tail) - log_target) / (lower ? slope : -slope);
        // A step past zero halves x instead; where the tail underflows, x moves halfway to the
        // mean.
        const double next = !std::isfinite(change) ? 0.5 * (x + df)
                            : x - change <= 0.0    ? 0.5 * x
                                                   : x - change;
        const bool settled = std::fabs(change) <= 1e-13 * x;
        x = next;
        if (settled) {
            break;
        }
    }
    return x;
}
