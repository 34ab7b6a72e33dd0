#pragma once
// How the view drives the editor entity through the frames: the step run on every draw (the
// entity's blend towards its target, Space for play and stop, playing asks for the next frame) and
// stepping with the F key on idle.

// Every view draw: the time step since the previous draw, the entity's update while it is on its
// way to a target, Space, and the next frame while playing.
void PlaybackStep();
// Every view idle: one frame on while F is held.
void StepWithFKey();
