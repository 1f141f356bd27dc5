// SPDX-License-Identifier: MIT
#include "records/magnetic_model.h"

#include "records/magnetic_coefficients.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace icao {
namespace {

constexpr int kDegree = kMagneticModelDegree;
constexpr int kSize = kDegree + 1;
// The WGS 84 ellipsoid, and the model's reference radius, in kilometres.
constexpr double kEquatorialRadiusKm = 6378.137;
constexpr double kFlattening = 1 / 298.257223563;
constexpr double kReferenceRadiusKm = 6371.2;
constexpr double kRadiansPerDegree = std::numbers::pi / 180;

using Table = std::array<std::array<double, kSize>, kSize>;

// The Schmidt semi-normalised associated Legendre functions of cos(colatitude) and their
// derivatives by the colatitude, up to the model's degree.
struct Legendre {
    Table p{};
    Table dp{};
};

Legendre legendreOf(double cosine, double sine) {
    Legendre f;
    f.p[0][0] = 1;
    for (int n = 1; n < kSize; ++n) {
        // The diagonal, then down each order by the three-term recurrence.
        const double diagonal = n == 1 ? 1 : std::sqrt((2.0 * n - 1) / (2.0 * n));
        f.p[n][n] = diagonal * sine * f.p[n - 1][n - 1];
        f.dp[n][n] = diagonal * (sine * f.dp[n - 1][n - 1] + cosine * f.p[n - 1][n - 1]);
        for (int m = 0; m < n; ++m) {
            const double before = n >= 2 ? std::sqrt((n - 1.0) * (n - 1.0) - m * m) : 0;
            const double earlier = n >= 2 && m <= n - 2 ? f.p[n - 2][m] : 0;
            const double earlierSlope = n >= 2 && m <= n - 2 ? f.dp[n - 2][m] : 0;
            const double scale = std::sqrt(static_cast<double>(n * n - m * m));
            f.p[n][m] = ((2.0 * n - 1) * cosine * f.p[n - 1][m] - before * earlier) / scale;
            f.dp[n][m] = ((2.0 * n - 1) * (cosine * f.dp[n - 1][m] - sine * f.p[n - 1][m]) -
                          before * earlierSlope) /
                         scale;
        }
    }
    return f;
}

} // namespace

double magneticVariation(const Place& place, double decimalYear, double altitudeKm) {
    // Geodetic to geocentric: the model's field is a sum of spherical harmonics about the
    // earth's centre. At a pole the east component has no direction; just off it, it has.
    const double latitude = std::clamp(place.latitude, -89.99999, 89.99999) * kRadiansPerDegree;
    const double longitude = place.longitude * kRadiansPerDegree;
    const double squaredEccentricity = kFlattening * (2 - kFlattening);
    const double primeVertical =
        kEquatorialRadiusKm /
        std::sqrt(1 - squaredEccentricity * std::sin(latitude) * std::sin(latitude));
    const double p = (primeVertical + altitudeKm) * std::cos(latitude);
    const double z = (primeVertical * (1 - squaredEccentricity) + altitudeKm) * std::sin(latitude);
    const double radius = std::hypot(p, z);
    const double geocentric = std::asin(z / radius);

    const double cosine = std::sin(geocentric); // of the colatitude
    const double sine = std::cos(geocentric);
    const Legendre f = legendreOf(cosine, sine);
    const double years = decimalYear - kMagneticModelEpoch;
    double north = 0;
    double east = 0;
    double down = 0;
    for (const MagneticCoefficient& c : kMagneticCoefficients) {
        const double g = c.g + years * c.gPerYear;
        const double h = c.h + years * c.hPerYear;
        const double scale = std::pow(kReferenceRadiusKm / radius, c.n + 2);
        const double cosM = std::cos(c.m * longitude);
        const double sinM = std::sin(c.m * longitude);
        north += scale * (g * cosM + h * sinM) * f.dp[c.n][c.m];
        east += scale * c.m * (g * sinM - h * cosM) * f.p[c.n][c.m] / sine;
        down -= scale * (c.n + 1) * (g * cosM + h * sinM) * f.p[c.n][c.m];
    }
    // Back to the ellipsoid's north: turned by the difference of the two latitudes.
    const double turn = geocentric - latitude;
    const double geodeticNorth = north * std::cos(turn) - down * std::sin(turn);
    return std::atan2(east, geodeticNorth) / kRadiansPerDegree;
}

bool withinMagneticModel(double decimalYear) {
    // A World Magnetic Model is made for the five years from its epoch.
    constexpr double kModelYears = 5;
    return decimalYear >= kMagneticModelEpoch && decimalYear < kMagneticModelEpoch + kModelYears;
}

double decimalYearOf(std::chrono::sys_seconds instant) {
    using namespace std::chrono;
    const auto day = floor<days>(instant);
    const year_month_day date(day);
    const sys_days start{date.year() / January / 1};
    const sys_days end{(date.year() + years(1)) / January / 1};
    const double into = duration<double>(instant - sys_seconds(start)).count();
    const double length = duration<double>(end - start).count();
    return static_cast<int>(date.year()) + into / length;
}

double magneticHeading(double trueDegrees, double variationDegrees) {
    const double heading = std::fmod(trueDegrees - variationDegrees, 360.0);
    return heading < 0 ? heading + 360 : heading;
}

} // namespace icao
