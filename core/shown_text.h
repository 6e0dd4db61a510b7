#pragma once
// A text the window shows in the chosen language: the catalogue's tools read
// it as a message of `context`; the plain code keeps the Portuguese source
// (the reports, the winding sheet and the design files use it as it is).
#define KELVORA_SHOWN(context, text) text
