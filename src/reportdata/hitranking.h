#ifndef REPORTDATA_HITRANKING_H
#define REPORTDATA_HITRANKING_H

#include "alertengine/reportstats.h"

#include <string>
#include <utility>
#include <vector>

// Sources or users with their counts, in the order they are presented.
using HitRanking = std::vector<std::pair<std::string, HitStat>>;

#endif
