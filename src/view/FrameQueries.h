#pragma once

class PatientFrame;

// Questions the view asks the main window's controls.

// Toggle state of a toolbar tool; a tool that does not exist yet counts as off.
bool IsToolOn(const PatientFrame& frame, int toolId);

// Whether the number at the start of a quantity text field is 0.
bool TextReadsZero(const PatientFrame& frame, int textId);

// 1 in whole-degree mode, 100 while angles are in hundredths.
int UnitDivisor(const PatientFrame& frame);

// Raw value of an angle spin button.
int SpinValue(const PatientFrame& frame, int spinId);
