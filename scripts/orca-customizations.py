"""Orca's hook for user code, installed by scripts/check-orca into a throwaway
home: writes each utterance to $FM_SPOKEN at once, and keeps key names out of
what Orca says. Orca logs each utterance as a debug line "SPEECH OUTPUT:
'words' voice", through println in older releases and print_message in newer
ones, which speak a single character through print_tokens."""
import os
import re

import orca.debug
import orca.settings

orca.settings.enableKeyEcho = False


def _write_speech(log):
    def logged(level, text="", *args, **kwargs):
        # print_tokens gets a list whose first token is the line.
        line = text[0] if isinstance(text, list) and text else text
        said = re.match(r"SPEECH OUTPUT: '(.*?)'(?=\s|\{|$)", line) if isinstance(line, str) else None
        if said:
            with open(os.environ["FM_SPOKEN"], "a", encoding="utf-8") as spoken:
                spoken.write(said.group(1) + "\n")
        return log(level, text, *args, **kwargs)
    return logged


for name in ("println", "print_message", "print_tokens"):
    if hasattr(orca.debug, name):
        setattr(orca.debug, name, _write_speech(getattr(orca.debug, name)))
