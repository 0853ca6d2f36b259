#pragma once

#include "messages.h"

// API gravity at 60 °F and the density at 60 °F.
namespace density {

// 141.5 x 999.0145 kg/m3, the density of water at 60 °F; every digit counts.
constexpr double kApiConstant = 141360.55175;
constexpr double kApiOffset = 131.5;

// Admitted API gravities on the API page, both ends included.
constexpr double kApiMin = 0.0;
constexpr double kApiMax = 99.0;

// The values given instead of a result after a failure.
constexpr double kApiFallback = 10.0;
constexpr double kApiDensityFallback = 900.0;

// API = 141360.55175 / density - 131.5. A division by zero (or a result that
// is not a finite number) shows MsgGostToApiError and gives 10.0.
double apiFromDensity(double density, MessageSink& sink);

// density = 141360.55175 / (API + 131.5). A division by zero (or a result
// that is not a finite number) shows MsgApiToGostError and gives 900.0.
double densityFromApi(double api, MessageSink& sink);

}  // namespace density
