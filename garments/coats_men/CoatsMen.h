// Registers the men's vest, coats and blazers built so far with the piece
// factory.
#pragma once

void RegisterMenCoatsGarments();
