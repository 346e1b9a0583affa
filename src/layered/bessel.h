// The Bessel functions J0 and J1 of the layered integrals, from Boost.Math at double precision.
#pragma once

#include <boost/math/special_functions/bessel.hpp>

namespace layered_detail {
// Boost's default promotes double arguments to long double, several times slower; double keeps
// about 1e−15 relative accuracy, far below what the integrals need.
using BesselPolicy = boost::math::policies::policy<boost::math::policies::promote_double<false>>;
}  // namespace layered_detail

inline double BesselJ0(double x) { return boost::math::cyl_bessel_j(0, x, layered_detail::BesselPolicy()); }
inline double BesselJ1(double x) { return boost::math::cyl_bessel_j(1, x, layered_detail::BesselPolicy()); }
