#pragma once
// The learner's roads through the trainer, each driven as a learner clicks its way from
// the start window, every click timed. A road begins with no window loaded.
#include "action_timer.h"

namespace bench {

void studyRoad(ActionTimer& t);
void caseRoad(ActionTimer& t);
void examRoad(ActionTimer& t);
void unitTestRoad(ActionTimer& t);
void chapterExerciseRoad(ActionTimer& t);
void databaseOperationRoad(ActionTimer& t);
// Not the trainer: what opening any window costs here.
void referenceRoad(ActionTimer& t);

}  // namespace bench
