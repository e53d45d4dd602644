// Counts typed into an edit that has up-down arrows. The settings file keeps such a count as the
// arrows' position (or reads it back through them), which is the edit's number held within the
// arrows' range; so the edit itself holds no number outside that range, and what it shows is
// what is drawn, saved and shown again at the next start.
#pragma once

class TForm1;
class TEdit;
class TUpDown;

// The up-down arrows attached to an edit of the form, or nullptr.
TUpDown* SpinOf(TForm1* Form, TEdit* Edit);

// Keeps the edit's text a whole number from Lowest to the arrows' maximum: any other text becomes
// Lowest, selected so that the next key replaces it; a larger number becomes the maximum, which
// further digits typed after it leave there, as the arrows stop there. The write runs the edit's
// change handler again, which finds the text in range. True when the text was replaced.
bool HoldCountWithinSpin(TEdit* Edit, const TUpDown* Spin, int Lowest);
