"""Every sound the material uses, by the file name the texts give it, and how it is
made. A .wav is written as it is; an .mp3 is encoded from it by lame."""
import audio

SOUNDS = {
    # name: a function giving the samples
    "风铃.wav": audio.chime,  # the transition sound "风铃", a chime of our own
}
