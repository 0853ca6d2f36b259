#pragma once

#include <optional>
#include <string_view>

#include "messages.h"
#include "result.h"

// GOST R 50.2.076-2010: a hydrometer reading reduced to the density at 15 °C,
// and the actual density at a temperature (and an excess pressure) from the
// density at 15 °C.
namespace density {

enum class ProductGroup { Crude = 1, Products = 2, Lubricating = 3 };

// Admitted by the callers (Parts 3.3 and 3.4), both ends included.
constexpr double kR50ObservedMin = 550.0;
constexpr double kR50ObservedMax = 1190.0;
constexpr double kDensity15Min = 610.0;
constexpr double kDensity15Max = 1170.0;
constexpr double kPressureMaxMPa = 10.34;

// The iteration of the reduction stops when two estimates differ by less than
// this; on admitted inputs it needs fewer than a hundred rounds. The cap makes
// any other input a reported calculation failure instead of a hang.
constexpr double kR50Tolerance = 0.01;
constexpr int kR50MaxIterations = 1000;

// Thermal expansion coefficient at 15 °C: alpha(rho) = K0/rho^2 + K1/rho + K2.
struct R50Coefficients {
    double k0;
    double k1;
    double k2;
};

inline constexpr R50Coefficients kR50Crude{613.9723, 0, 0};
inline constexpr R50Coefficients kR50LightProducts{346.4228, 0.43884, 0};
inline constexpr R50Coefficients kR50Transition{2690.744, 0, -0.0033762};
inline constexpr R50Coefficients kR50MiddleProducts{594.5418, 0, 0};
inline constexpr R50Coefficients kR50HeavyProducts{186.9696, 0.4862, 0};
inline constexpr R50Coefficients kR50Lubricating{0, 0.6278, 0};

// Sub-range selection. Crude oil and lubricating oils have one set each. For
// petroleum products the bounded form admits 550 <= rho <= 1190 and keeps the
// heavy-products set (the starting set) outside; the free form has no outer
// bounds. Each boundary (770.9, 788, 838.7) belongs to the higher sub-range.
R50Coefficients r50BoundedSet(ProductGroup group, double rho);
R50Coefficients r50FreeSet(ProductGroup group, double rho);

double r50Alpha(const R50Coefficients& set, double rho);
// Volume correction factor exp(-a*dt*(1 + 0.8*a*dt)), dt = t - 15.
double r50Ctl(double alpha, double temperatureC);
// Hydrometer glass: 1 - 2.3e-5*dt - 2e-8*dt^2.
double r50GlassFactor(double temperatureC);
// Compressibility per MPa at the actual temperature t (not t - 15).
double r50Compressibility(double density15, double temperatureC);

// The numeric core of the reduction, temperature in °C and the glass factor
// already applied: nothing when a step leaves the finite numbers or the
// iteration reaches the cap. A petroleum product's result lies in the
// sub-range whose set produced it: where the settled result selects another
// set, the iteration goes on from it with that set (at most four times; if
// the sets keep alternating, the estimates close in on the boundary between
// them and the last one stands). `iterations` receives the rounds of the
// iteration, those after a re-selection included.
std::optional<double> r50ReduceTo15Value(double observed, double temperatureC, ProductGroup group,
                                         int* iterations = nullptr);
// The numeric core of the actual density (pressure in MPa, 0 for none); may
// be infinite or not a number when the inputs are.
double r50ActualDensityValue(double density15, double temperatureC, double pressureMPa, ProductGroup group);

// The hydrometer reading reduced to 15 °C. A Fahrenheit temperature is first converted with
// convertTemperature (to 0,1 °C). Steps 1 and 2 are not guarded: a text that
// does not parse there is a failure for the generic error report. Any failure
// of steps 3 to 5 shows MsgCalcError and gives 1.0.
Result<double> r50ReduceTo15(std::string_view densityText, std::string_view temperatureText, bool glassCorrection,
                             ProductGroup group, bool fahrenheit, MessageSink& sink);

// The actual density from the density at 15 °C. No handling of its own: a text that does not
// parse, or a step that leaves the finite numbers (a division by zero), is a
// failure for the caller. A pressure of zero, however written, means none.
Result<double> r50ActualDensity(std::string_view density15Text, std::string_view temperatureText,
                                std::string_view pressureText, ProductGroup group, bool fahrenheit,
                                MessageSink& sink);

}  // namespace density
