#pragma once

// Registers the raglan sleeves with the factory.
void RegisterRaglanSleeves();
