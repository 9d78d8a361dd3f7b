"""Writers of Office Open XML packages (.pptx, .ppsx, .docx, .thmx) from our own
templates, with nothing but the Python standard library."""
