#ifndef UTM_H
#define UTM_H

// Geographic <-> UTM on 23 reference ellipsoids by the classic transverse
// Mercator series.  Pure functions, no state.

// Indexed by ellipsoid number; entry 0 is a placeholder.
extern const char *const Ellipsoid_Name[24];
extern const double Equatorial_Radius[24];
extern const double Eccentricity_Squared[24];

struct UTM
{
    double Easting = 0;   // metres
    double Northing = 0;  // metres
    char Zone[6] = {};    // zone number and band letter, "32U"
};

struct LatLong
{
    double latitude = 0;  // degrees, north positive
    double longitude = 0; // degrees, east positive
};

// Band letter; 'Z' outside -80..84 (and for NaN).
[[nodiscard]] char UTM_Letter_Designator(double lat);

// Non-finite input reads as 0; an ellipsoid number outside 1..23 uses WGS-84.
[[nodiscard]] UTM LatLong_to_UTM(int ellipsoid, double lat, double lon);

// The zone is read as its leading digits and the band letter after them;
// a band before 'N' (or none) is southern.
[[nodiscard]] LatLong UTM_to_LatLong(int ellipsoid, UTM utm);

// Haversine distance in km on a sphere of radius 6378.137 km, with
// pi = 3.1415926535898; never NaN for finite input.
[[nodiscard]] double Haversine_Km(double lat1, double lon1, double lat2, double lon2);

#endif // UTM_H
