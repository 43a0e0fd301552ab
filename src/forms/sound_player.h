#pragma once

#include <string>

// Plays sound files for the multimedia control. A request returns at once; a file that cannot be
// played costs only its sound.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const std::string& path) = 0;
    // A sound that will be asked for: read, and armed as the sounds played before are, so that its
    // first play is as quick as the next.
    virtual void prepare(const std::string& /*path*/) {}
    // Hints from the screen: a shot may come soon (the pointer moves over the range view), or none
    // can (the main window is minimised). A player that keeps its output awake for quick shots
    // lets it rest between them.
    virtual void keepReady() {}
    virtual void rest() {}
};

// The multimedia control as the logic uses it: a file name, then the command word "Sound".
class MultimediaControl {
public:
    explicit MultimediaControl(SoundPlayer& player) : m_player(player) {}

    std::string FileName;
    void Command(const std::string& word)
    {
        if (word == "Sound")
            m_player.play(FileName);
    }
    // A file that will be played, made ready ahead.
    void prepare(const std::string& file) { m_player.prepare(file); }

private:
    SoundPlayer& m_player;
};
