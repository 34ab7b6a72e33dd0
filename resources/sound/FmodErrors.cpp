#include "resources/sound/FmodErrors.h"

#include <iterator>

namespace {

// Indexed by code. The alert and log lines quote these texts, so they stay as they are.
const char* const kTexts[] = {
    "No errors.",                                                        // 0
    "Tried to lock a resource that is already locked. ",                 // 1
    "This kind of object does not support that command. ",               // 2
    "No CD audio driver could be started. ",                             // 3
    "CD audio could not be initialised. ",                               // 4
    "The CD device was not found. ",                                     // 5
    "The disc has no audio tracks. ",                                    // 6
    "No CD or DVD devices were found. ",                                 // 7
    "There is no disc in the drive. ",                                   // 8
    "CD audio could not be read. ",                                      // 9
    "Error trying to allocate a channel. ",                              // 10
    "The channel was taken over to play another sound. ",                // 11
    "A system component failed to start. ",                              // 12
    "Direct memory access to the sound hardware failed. ",               // 13
    "Effect units could not be connected. ",                             // 14
    "An effect unit has the wrong sample format. ",                      // 15
    "The effect unit was not found. ",                                   // 16
    "Effect units cannot change while they are running. ",               // 17
    "The effect unit has too many connections. ",                        // 18
    "Error loading file. ",                                              // 19
    "Could not seek in the file. ",                                      // 20
    "The file ended before all its data was read. ",                     // 21
    "File not found. ",                                                  // 22
    "The file was read when it should not have been. ",                  // 23
    "Unsupported file or audio format. ",                                // 24
    "A network transfer failed. ",                                       // 25
    "The network resource needs authentication or is forbidden. ",       // 26
    "The network proxy needs authentication. ",                          // 27
    "The network server reported an error. ",                            // 28
    "The network request timed out. ",                                   // 29
    "The sound system was not set up for this command. ",                // 30
    "The sound system is already initialised. ",                         // 31
    "Internal error in the sound system. ",                              // 32
    "The sound or channel is not valid. ",                               // 33
    "An invalid parameter was passed. ",                                 // 34
    "The speaker is not valid for this speaker mode. ",                  // 35
    "A sound driver module could not be started. ",                      // 36
    "Not enough memory or resources. ",                                  // 37
    "Not enough memory on the sound co-processor. ",                     // 38
    "Not enough sound memory. ",                                         // 39
    "The command needs a 2D sound. ",                                    // 40
    "The command needs a 3D sound. ",                                    // 41
    "The command needs sound hardware. ",                                // 42
    "The command needs software mixing. ",                               // 43
    "Could not connect to the host. ",                                   // 44
    "A network socket failed. ",                                         // 45
    "The address could not be resolved. ",                               // 46
    "The sound is not ready yet. ",                                      // 47
    "The output device is already in use. ",                             // 48
    "The output buffer could not be created. ",                          // 49
    "A call to the sound card driver failed. ",                          // 50
    "The sound card does not support the output format. ",               // 51
    "Error initializing output device. ",                                // 52
    "The sound card has no hardware channels free. ",                    // 53
    "No software channels were set up. ",                                // 54
    "Panning needs a mono or stereo sound. ",                            // 55
    "A sound plug-in failed. ",                                          // 56
    "A needed output, effect or codec is missing. ",                     // 57
    "A plug-in could not find a resource it needs. ",                    // 58
    "The recording device could not be started. ",                       // 59
    "The reverb instance could not be set. ",                            // 60
    "The subsound already belongs to another sound. ",                   // 61
    "The subsound's mode does not match its parent's. ",                 // 62
    "The sound has subsounds where none are allowed, or none where some are needed. ", // 63
    "The tag was not found. ",                                           // 64
    "The sound has more channels than the mixer accepts. ",              // 65
    "This command is not implemented. ",                                 // 66
    "The sound system has not been initialised. ",                       // 67
    "This command is not supported here. ",                              // 68
    "The version number of this file format is not supported. ",         // 69
};

static_assert(std::size(kTexts) == 70, "one text for each code 0 to 69");

} // namespace

const char* FMOD_ErrorString(int32_t result)
{
    if (result < 0 || result >= int32_t(std::size(kTexts)))
        return "Unknown error.";
    return kTexts[result];
}
