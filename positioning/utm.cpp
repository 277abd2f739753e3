#include "positioning/utm.h"

#include <algorithm>
#include <cctype>
#include <cmath>

const char *const Ellipsoid_Name[24] = {
    "Null",          "Airy",          "Australian National", "Bessel 1841",      "Bessel 1841 (Nambia) ",
    "Clarke 1866",   "Clarke 1880",   "Everest",             "Fischer 1960 (Mercury) ", "Fischer 1968",
    "GRS 1967",      "GRS 1980",      "Helmert 1906",        "Hough",            "International",
    "Krassovsky",    "Modified Airy", "Modified Everest",    "Modified Fischer 1960", "South American 1969",
    "WGS 60",        "WGS 66",        "WGS-72",              "WGS-84"};

const double Equatorial_Radius[24] = {
    0,       6377563, 6378160, 6377397, 6377484, 6378206, 6378249, 6377276, 6378166, 6378150, 6378160, 6378137,
    6378200, 6378270, 6378388, 6378245, 6377340, 6377304, 6378155, 6378160, 6378165, 6378145, 6378135, 6378137};

const double Eccentricity_Squared[24] = {
    0,           0.00667054,  0.006694542, 0.006674372, 0.006674372, 0.006768658, 0.006803511, 0.006637847,
    0.006693422, 0.006693422, 0.006694605, 0.00669438,  0.006693422, 0.00672267,  0.00672267,  0.006693422,
    0.00667054,  0.006637847, 0.006693422, 0.006694542, 0.006693422, 0.006694542, 0.006694318, 0.00669438};

namespace {

constexpr double kDegToRad = 0.017453292519944444;
constexpr double kRadToDeg = 57.29577951307855;
constexpr double kK0 = 0.9996;
constexpr double kFalseEasting = 500000.0;
constexpr double kFalseNorthing = 10000000.0;

int checkedEllipsoid(int ellipsoid)
{
    return ellipsoid >= 1 && ellipsoid <= 23 ? ellipsoid : 23;
}

double finiteOrZero(double v)
{
    return std::isfinite(v) ? v : 0.0;
}

} // namespace

char UTM_Letter_Designator(double lat)
{
    if (lat > 84 || lat < -80 || !(lat == lat))
        return 'Z';
    if (lat >= 72)
        return 'X';
    // Bands of 8 degrees from -80 upwards, 'I' and 'O' left out.
    static const char bands[] = "CDEFGHJKLMNPQRSTUVW";
    const int band = int(std::floor((lat + 80) / 8));
    return bands[band];
}

UTM LatLong_to_UTM(int ellipsoid, double lat, double lon)
{
    ellipsoid = checkedEllipsoid(ellipsoid);
    lat = finiteOrZero(lat);
    lon = finiteOrZero(lon);
    const double a = Equatorial_Radius[ellipsoid];
    const double e2 = Eccentricity_Squared[ellipsoid];
    const double ep2 = e2 / (1 - e2);

    // fmod truncates toward zero like the textbook formula, and stays exact
    // for huge inputs; west of -180 wraps round as well, or the zone would
    // come out 0 or negative.
    double L = std::fmod(lon + 180, 360.0) - 180;
    if (L < -180)
        L += 360;
    int zone = int((L + 180) / 6) + 1;
    if (zone > 60)
        zone = 60;
    if (lat >= 56 && lat < 64 && L >= 3 && L < 12)
        zone = 32;
    if (lat >= 72 && lat < 84) {
        if (L >= 0 && L < 9)
            zone = 31;
        else if (L >= 9 && L < 21)
            zone = 33;
        else if (L >= 21 && L < 33)
            zone = 35;
        else if (L >= 33 && L < 42)
            zone = 37;
    }
    const double lon0 = (zone - 1) * 6 - 180 + 3;

    UTM utm;
    // "%d%c" with the zone known to be 1..60.
    int at = 0;
    if (zone >= 10)
        utm.Zone[at++] = char('0' + zone / 10);
    utm.Zone[at++] = char('0' + zone % 10);
    utm.Zone[at++] = UTM_Letter_Designator(lat);
    utm.Zone[at] = '\0';

    const double phi = lat * kDegToRad;
    const double lam = L * kDegToRad;
    const double lam0 = lon0 * kDegToRad;
    const double s = std::sin(phi), c = std::cos(phi), t = std::tan(phi);
    const double N = a / std::sqrt(1 - e2 * s * s);
    const double T = t * t;
    const double C = ep2 * c * c;
    const double A = c * (lam - lam0);
    const double e4 = e2 * e2, e6 = e4 * e2;
    const double M = a * ((1 - e2 / 4 - 3 * e4 / 64 - 5 * e6 / 256) * phi
                          - (3 * e2 / 8 + 3 * e4 / 32 + 45 * e6 / 1024) * std::sin(2 * phi)
                          + (15 * e4 / 256 + 45 * e6 / 1024) * std::sin(4 * phi)
                          - (35 * e6 / 3072) * std::sin(6 * phi));
    const double A2 = A * A, A3 = A2 * A, A4 = A3 * A, A5 = A4 * A, A6 = A5 * A;

    utm.Easting = kK0 * N * (A + (1 - T + C) * A3 / 6 + (5 - 18 * T + T * T + 72 * C - 58 * ep2) * A5 / 120)
                  + kFalseEasting;
    utm.Northing = kK0 * (M + N * t * (A2 / 2 + (5 - T + 9 * C + 4 * C * C) * A4 / 24
                                       + (61 - 58 * T + T * T + 600 * C - 330 * ep2) * A6 / 720));
    if (lat < 0)
        utm.Northing += kFalseNorthing;
    return utm;
}

LatLong UTM_to_LatLong(int ellipsoid, UTM utm)
{
    ellipsoid = checkedEllipsoid(ellipsoid);
    const double a = Equatorial_Radius[ellipsoid];
    const double e2 = Eccentricity_Squared[ellipsoid];
    const double ep2 = e2 / (1 - e2);
    const double x = finiteOrZero(utm.Easting) - kFalseEasting;
    double y = finiteOrZero(utm.Northing);

    // Leading digits (the zone text holds at most five characters).
    int zone = 0, i = 0;
    for (; i < 5 && utm.Zone[i] >= '0' && utm.Zone[i] <= '9'; ++i)
        zone = zone * 10 + (utm.Zone[i] - '0');
    const char band = i < 5 ? char(std::toupper(static_cast<unsigned char>(utm.Zone[i]))) : '\0';
    if (band < 'N')
        y -= kFalseNorthing;
    const double lon0 = (zone - 1) * 6.0 - 180 + 3;

    const double r = std::sqrt(1 - e2);
    const double e1 = (1 - r) / (1 + r);
    const double e4 = e2 * e2, e6 = e4 * e2;
    const double M = y / kK0;
    const double mu = M / (a * (1 - e2 / 4 - 3 * e4 / 64 - 5 * e6 / 256));
    const double phi1 = mu + (3 * e1 / 2 - 27 * e1 * e1 * e1 / 32) * std::sin(2 * mu)
                        + (21 * e1 * e1 / 16 - 55 * e1 * e1 * e1 * e1 / 32) * std::sin(4 * mu)
                        + (151 * e1 * e1 * e1 / 96) * std::sin(6 * mu);
    const double s = std::sin(phi1), c = std::cos(phi1), t = std::tan(phi1);
    const double N1 = a / std::sqrt(1 - e2 * s * s);
    const double T1 = t * t;
    const double C1 = ep2 * c * c;
    const double R1 = a * (1 - e2) / std::pow(1 - e2 * s * s, 1.5);
    const double D = x / (N1 * kK0);
    const double D2 = D * D, D3 = D2 * D, D4 = D3 * D, D5 = D4 * D, D6 = D5 * D;

    LatLong ll;
    ll.latitude = (phi1 - (N1 * t / R1) * (D2 / 2 - (5 + 3 * T1 + 10 * C1 - 4 * C1 * C1 - 9 * ep2) * D4 / 24
                                           + (61 + 90 * T1 + 298 * C1 + 45 * T1 * T1 - 252 * ep2 - 3 * C1 * C1)
                                                 * D6 / 720))
                  * kRadToDeg;
    ll.longitude = lon0 + ((D - (1 + 2 * T1 + C1) * D3 / 6
                            + (5 - 2 * C1 + 28 * T1 - 3 * C1 * C1 + 8 * ep2 + 24 * T1 * T1) * D5 / 120)
                           / c)
                              * kRadToDeg;
    return ll;
}

double Haversine_Km(double lat1, double lon1, double lat2, double lon2)
{
    constexpr double rad = 3.1415926535898 / 180.0;
    const double la1 = lat1 * rad, la2 = lat2 * rad;
    const double sLat = std::sin((la1 - la2) / 2), sLon = std::sin((lon1 * rad - lon2 * rad) / 2);
    double h = sLat * sLat + std::cos(la1) * std::cos(la2) * sLon * sLon;
    // Rounding takes h a hair past 1 near the antipode, and asin to NaN.
    h = std::clamp(h, 0.0, 1.0);
    return 2 * std::asin(std::sqrt(h)) * 6378.137;
}
