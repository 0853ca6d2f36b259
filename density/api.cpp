#include "api.h"

#include <cmath>

namespace density {

double apiFromDensity(double density, MessageSink& sink)
{
    const double api = density == 0 ? NAN : kApiConstant / density - kApiOffset;
    if (!std::isfinite(api)) {
        sink.show(Message(MsgKey::MsgGostToApiError));
        return kApiFallback;
    }
    return api;
}

double densityFromApi(double api, MessageSink& sink)
{
    const double divisor = api + kApiOffset;
    const double density = divisor == 0 ? NAN : kApiConstant / divisor;
    if (!std::isfinite(density)) {
        sink.show(Message(MsgKey::MsgApiToGostError));
        return kApiDensityFallback;
    }
    return density;
}

}  // namespace density
