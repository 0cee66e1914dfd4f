// Registers the set-in sleeves with the piece factory.
#pragma once

void RegisterSetInSleeves();
