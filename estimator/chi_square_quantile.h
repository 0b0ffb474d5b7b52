// The quantile of the chi-square distribution, which sets the parametric limits of the classical
// temporal F statistics: with n' independent alleles over the loci, n' times the estimate of F
// over the true F is taken to follow a chi-square with n' degrees of freedom (Waples 1989), so
// the 95% limits of F are n'F / ChiSquareQuantile(0.975, n') and n'F / ChiSquareQuantile(0.025,
// n').
#pragma once

// The p quantile of the chi-square distribution with `df` degrees of freedom: the x at which the
// distribution function reaches p, for p in (0, 1) and df > 0, not necessarily whole. Its
// relative error stays below 1e-12 from 1 to 10^8 degrees of freedom at the 2.5% and 97.5%
// points. NaN for other p or df.
double ChiSquareQuantile(double p, double df);
