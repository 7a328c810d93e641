// The game's shared small types: the current screen and the difficulty.
// Both are written as their ordinal in files and compared by value everywhere else.
#pragma once

// The screen currently shown; afficherStage is the only switch between them.
enum class TStage { intro = 0, menu = 1, map = 2, jeu = 3, history = 4, howToPlay = 5 };

// Shown as "Easy", "Normal", "Hard"; stored as 0, 1, 2.
enum class TDifficulte { facile = 0, normal = 1, difficile = 2 };
