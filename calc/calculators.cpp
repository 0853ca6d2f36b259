#include "calculators.h"

#include "courses.h"

namespace calc {

bool needsTable(Course course)
{
    switch (course) {
    case Course::Reduce20:
    case Course::Actual20:
    case Course::Mass20:
    case Course::Volume20:
    case Course::Api20:
    case Course::ApiToDensity20:
        return true;
    default:
        return false;
    }
}

Outcome run(Course course, const Inputs& inputs, const TableSource& table)
{
    detail::Steps s(inputs);
    switch (course) {
    case Course::Reduce20:
        detail::reduce20(s, table);
        break;
    case Course::Actual20:
        detail::actual20(s, table);
        break;
    case Course::Mass20:
        detail::mass20(s, table);
        break;
    case Course::Volume20:
        detail::volume20(s, table);
        break;
    case Course::Reduce15:
        detail::reduce15(s);
        break;
    case Course::Actual15:
        detail::actual15(s);
        break;
    case Course::Mass15:
        detail::mass15(s);
        break;
    case Course::Volume15:
        detail::volume15(s);
        break;
    case Course::Api20:
        detail::api20(s, table);
        break;
    case Course::ApiToDensity20:
        detail::apiToDensity20(s, table);
        break;
    case Course::Api15:
        detail::api15(s);
        break;
    case Course::ApiToDensity15:
        detail::apiToDensity15(s);
        break;
    }
    return s.take();
}

}  // namespace calc
