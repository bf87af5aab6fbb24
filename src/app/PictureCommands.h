#pragma once

namespace app {

struct Invocation;

// "pictures import DIR" and "pictures export DIR": a folder of cover pictures named after the
// movies' label numbers or titles. Says what was matched and what was not; the exit status is
// a failure when any file was not matched or not stored.
int RunPicturesCommand(const Invocation& invocation);

}  // namespace app
