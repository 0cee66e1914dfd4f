// Registers the sleeves that reshape the women's bodice with the piece
// factory.
#pragma once

void RegisterShapingSleeves();
