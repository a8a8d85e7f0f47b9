#!/usr/bin/env python3
"""Build Vestrum's compiled-in icons from ASCII pixel-art grids.

Every icon is written as a grid of characters, one character per pixel, and a
palette that maps each character to a colour ("." is always transparent).
Running the script (re)creates these files in resources/icons:

  * the XPM3 images used by the tool bars, list columns and dialogs,
  * reportNote.ico (made with ImageMagick's ``convert`` from a PNG that is
    drawn here in memory),
  * vestrum.png, the 64x64 application icon.

Usage:  python3 scripts/make_icons.py [output-directory]

The script only needs the Python 3 standard library, plus ImageMagick's
``convert`` for the .ico file.
"""

import os
import shutil
import struct
import subprocess
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_OUT = os.path.normpath(os.path.join(HERE, "..", "resources", "icons"))

# ---------------------------------------------------------------------------
# Shared colours.  A calm palette: one dark outline colour, greys for paper
# and metal, and a few soft hues, each with a lighter and a darker shade.
# ---------------------------------------------------------------------------
NONE = "None"
OUTLINE = "#2E3436"
WHITE = "#FFFFFF"
PAPER_SHADE = "#E4E6E1"
GREY_LIGHT = "#D3D6CF"
GREY = "#B2B5AE"
GREY_DARK = "#878A84"
GREY_DARKER = "#555A58"
LINE_GREY = "#A3A7A0"
TEXT_DARK = "#4F5552"
SKY = "#D4E7FA"
BLUE_LIGHT = "#B4D0EF"
BLUE_MID = "#80A8DA"
BLUE = "#5A8AC6"
BLUE_DARK = "#35609A"
YELLOW_LIGHT = "#FBF0BE"
YELLOW = "#F3D46B"
GOLD = "#D9AC3C"
GOLD_DARK = "#A07822"
GREEN_LIGHT = "#B4D98A"
GREEN = "#86B953"
GREEN_DARK = "#58823A"
RED = "#D65B4C"
RED_DARK = "#A63E32"
CREAM = "#F3E9D2"
CREAM_DARK = "#DCCBA6"
BROWN = "#9A6535"
BROWN_DARK = "#734A26"
CARD_LIGHT = "#EBCB94"
CARD = "#D7A965"
CARD_DARK = "#B5843F"
TAPE = "#C9B48A"
NOTE = "#FDF3B0"
NOTE_DARK = "#E9D77A"

# ---------------------------------------------------------------------------
# The icons.  Each entry: file name, (width, height), palette, grid.
# ---------------------------------------------------------------------------
ICONS = []


def icon(name, size, palette, grid):
    ICONS.append({"name": name, "size": size, "palette": palette,
                  "grid": grid})


def mirrored(grid):
    """The grid flipped left to right."""
    return [row[::-1] for row in grid]


# --- file new: a blank page with a folded corner ---------------------------
icon("filenew.xpm", (12, 16), {
    ".": NONE, "k": OUTLINE, "w": WHITE, "g": PAPER_SHADE, "f": GREY_LIGHT,
}, [
    "kkkkkkkk....",
    "kwwwwwwkk...",
    "kwwwwwwkfk..",
    "kwwwwwwkffk.",
    "kwwwwwwkkkkk",
    "kwwwwwwwwwgk",
    "kwwwwwwwwwgk",
    "kwwwwwwwwwgk",
    "kwwwwwwwwwgk",
    "kwwwwwwwwwgk",
    "kwwwwwwwwwgk",
    "kwwwwwwwwwgk",
    "kwwwwwwwwwgk",
    "kwwwwwwwwwgk",
    "kggggggggggk",
    "kkkkkkkkkkkk",
])

# --- file open: an open folder ---------------------------------------------
icon("fileopen.xpm", (16, 13), {
    ".": NONE, "k": OUTLINE, "h": YELLOW_LIGHT, "y": YELLOW, "Y": GOLD,
    "w": WHITE,
}, [
    "................",
    "..kkkk..........",
    ".kYYYYk.........",
    "kYYYYYYkkkkkkk..",
    "kYYwwwwwwwwwYk..",
    "kYYwwwwwwwwwYk..",
    "kYYYkkkkkkkkkkkk",
    "kYYkhhhhhhhhhhhk",
    "kYYkyyyyyyyyyyk.",
    "kYkyyyyyyyyyyyk.",
    "kYkyyyyyyyyyyk..",
    "kkyyyyyyyyyyyk..",
    "kkkkkkkkkkkkk...",
])

# --- file save: a floppy disk ----------------------------------------------
icon("filesave.xpm", (14, 14), {
    ".": NONE, "k": OUTLINE, "b": BLUE, "B": BLUE_DARK, "w": WHITE,
    "l": LINE_GREY, "g": GREY_LIGHT, "G": GREY, "d": GREY_DARKER,
}, [
    "kkkkkkkkkkkkk.",
    "kbwwwwwwwwwwbk",
    "kbwllllllllwbk",
    "kbwwwwwwwwwwbk",
    "kbwllllllllwbk",
    "kbwwwwwwwwwwBk",
    "kbbbbbbbbbbbBk",
    "kbbbbbbbbbbbBk",
    "kbbbggggggGBBk",
    "kbbbgddgggGBBk",
    "kbbbgddgggGBBk",
    "kbbbgddgggGBBk",
    "kbbbgggggGGBBk",
    "kkkkkkkkkkkkkk",
])

# --- print: a printer with a sheet -----------------------------------------
icon("print.xpm", (16, 14), {
    ".": NONE, "k": OUTLINE, "w": WHITE, "l": LINE_GREY, "g": GREY_LIGHT,
    "G": GREY, "d": GREY_DARK, "e": GREEN,
}, [
    "...kkkkkkkkkk...",
    "...kwwwwwwwwk...",
    "...kwllllllwk...",
    "...kwwwwwwwwk...",
    "...kwlllllwwk...",
    ".kkkkkkkkkkkkkk.",
    "kggggggggggggggk",
    "kgggggggggggeggk",
    "kGGGGGGGGGGGGGGk",
    "kGGkkkkkkkkkkGGk",
    "kGdkwwwwwwwwkdGk",
    "kkkkwllllllwkkkk",
    "...kwwwwwwwwk...",
    "...kkkkkkkkkk...",
])

# --- search: a magnifying glass --------------------------------------------
icon("search.xpm", (24, 24), {
    ".": NONE, "k": OUTLINE, "w": WHITE, "l": BLUE_LIGHT, "g": GREY_LIGHT,
    "G": GREY_DARK, "n": BROWN, "N": BROWN_DARK,
}, [
    "........................",
    ".......kkkkk............",
    ".....kkgggggkk..........",
    "...kkgggkkkgggkk........",
    "...kggkklllkkGGk........",
    "..kggklwlllllkGGk.......",
    "..kgklwwllllllkGk.......",
    ".kggkwwlllllllkGGk......",
    ".kgklllllllllllkGk......",
    ".kgklllllllllllkGk......",
    ".kgklllllllllllkGk......",
    ".kggklllllllllkGGk......",
    "..kgklllllllllkGk.......",
    "..kgGklllllllkGGk.......",
    "...kGGkklllkkGGknk......",
    "...kkGGGkkkGGGkknnk.....",
    ".....kkGGGGGkkNNnnnk....",
    ".......kkkkk..kNNnnnk...",
    "...............kNNnnnk..",
    "................kNNnnnk.",
    ".................kNNnnk.",
    "..................kNNk..",
    "...................kk...",
    "........................",
])

# --- picture: a small framed landscape -------------------------------------
icon("picture.xpm", (16, 16), {
    ".": NONE, "k": OUTLINE, "n": BROWN, "s": SKY, "y": YELLOW,
    "e": GREEN, "E": GREEN_DARK, "w": WHITE,
}, [
    "kkkkkkkkkkkkkkkk",
    "knnnnnnnnnnnnnnk",
    "knssssssssssssnk",
    "knsswssssssyssnk",
    "knswwwssssyyysnk",
    "knsssssssssyssnk",
    "knssssssssssssnk",
    "knssssssssssssnk",
    "knssseesssssssnk",
    "knsseeeessssssnk",
    "knseeeeeessEEsnk",
    "kneeeeeeeeEEEEnk",
    "kneeeeeeeeeeEEnk",
    "knEEeeeeeeeeeEnk",
    "knnnnnnnnnnnnnnk",
    "kkkkkkkkkkkkkkkk",
])

# --- receipt: a till receipt with a zigzag bottom edge ---------------------
icon("receipt.xpm", (32, 32), {
    ".": NONE, "k": OUTLINE, "w": WHITE, "g": PAPER_SHADE, "G": LINE_GREY,
    "D": TEXT_DARK,
}, [
    "................................",
    "........kkkkkkkkkkkkkkkkk.......",
    "........kwwwwwwwwwwwwwwgk.......",
    "........kwwwDDDDDDDDDwwgk.......",
    "........kwwwwwwwwwwwwwwgk.......",
    "........kwwwwwGGGGGwwwwgk.......",
    "........kwwwwwwwwwwwwwwgk.......",
    "........kwwwwwwwwwwwwwwgk.......",
    "........kwGGGGGGwwwwGGGgk.......",
    "........kwwwwwwwwwwwwwwgk.......",
    "........kwGGGGwwwwwwGGGgk.......",
    "........kwwwwwwwwwwwwwwgk.......",
    "........kwGGGGGGGwwwGGGgk.......",
    "........kwwwwwwwwwwwwwwgk.......",
    "........kwGGGGGwwwwwGGGgk.......",
    "........kwwwwwwwwwwwwwwgk.......",
    "........kwGGGGGGwwwwGGGgk.......",
    "........kwwwwwwwwwwwwwwgk.......",
    "........kwGGGGwwwwwwGGGgk.......",
    "........kwwwwwwwwwwwwwwgk.......",
    "........kwGwGwGwGwGwGwGgk.......",
    "........kwwwwwwwwwwwwwwgk.......",
    "........kwDDDDDwwwwDDDDgk.......",
    "........kwwwwwwwwwwwwwwgk.......",
    "........kwwwwwwwwwwwwwwgk.......",
    "........kwwwwGGGGGGGwwwgk.......",
    "........kwwwwwwwwwwwwwwgk.......",
    "........kwwwkwwwkwwwkwggk.......",
    ".........kwk.kwk.kwk.kgk........",
    "..........k...k...k...k.........",
    "................................",
    "................................",
])

# --- web: a globe with meridians -------------------------------------------
icon("web.xpm", (32, 32), {
    ".": NONE, "k": OUTLINE, "c": BLUE_MID, "b": BLUE, "B": BLUE_DARK,
    "l": SKY,
}, [
    "................................",
    "................................",
    "..............kkkkk.............",
    "...........kkklclclkkk..........",
    ".........kkclccclcbblbkk........",
    ".......kklcclccclbbblbblkk......",
    "......kclcclcccclbbbblbblbk.....",
    ".....kclccclcccblbbbblbbblbk....",
    ".....klccclcccbblbbbbblbbblk....",
    "....klllllllllllllllllllllllk...",
    "....klcccclcbbbblbbbbblbbbblk...",
    "...kclccclcbbbbblbbbbbblbbblbk..",
    "...kclccclbbbbbblbbbbbblbbblBk..",
    "...klcccclbbbbbblbbbbbblbbbBlk..",
    "..kclcccblbbbbbblbbbbbblbbBBlBk.",
    "..kclccbblbbbbbblbbbbbblbBBBlBk.",
    "..klllllllllllllllllllllllllllk.",
    "..kclbbbblbbbbbblbbbbbblBBBBlBk.",
    "..kclbbbblbbbbbblbbbbbBlBBBBlBk.",
    "...klbbbblbbbbbblbbbbBBlBBBBlk..",
    "...kblbbblbbbbbblbbbBBBlBBBlBk..",
    "...kblbbblbbbbbblbbBBBBlBBBlBk..",
    "....klbbbblbbbbblbBBBBlBBBBlk...",
    "....klllllllllllllllllllllllk...",
    ".....klbbblbbbbblBBBBBlBBBlk....",
    ".....kblbbblbbbBlBBBBlBBBlBk....",
    "......kblbblbbBBlBBBBlBBlBk.....",
    ".......kklbblBBBlBBBlBBlkk......",
    ".........kkblBBBlBBBlBkk........",
    "...........kkklBlBlkkk..........",
    "..............kkkkk.............",
    "................................",
])

# --- document: a text page with lines --------------------------------------
icon("document.xpm", (32, 32), {
    ".": NONE, "k": OUTLINE, "w": WHITE, "g": PAPER_SHADE, "f": GREY_LIGHT,
    "G": LINE_GREY, "B": BLUE_DARK,
}, [
    "................................",
    ".....kkkkkkkkkkkkkkkk...........",
    ".....kwwwwwwwwwwwwwwkk..........",
    ".....kwwwwwwwwwwwwwwkfk.........",
    ".....kwwBBBBBBBBBwwwkffk........",
    ".....kwwwwwwwwwwwwwwkfffk.......",
    ".....kwwwwwwwwwwwwwwkffffk......",
    ".....kwwwwwwwwwwwwwwkkkkkkk.....",
    ".....kwwwwwwwwwwwwwwwwwwwgk.....",
    ".....kwwwwwwwwwwwwwwwwwwwgk.....",
    ".....kwwGGGGGGGGGGGGGGGGwgk.....",
    ".....kwwwwwwwwwwwwwwwwwwwgk.....",
    ".....kwwGGGGGGGGGGGGGGGwwgk.....",
    ".....kwwwwwwwwwwwwwwwwwwwgk.....",
    ".....kwwGGGGGGGGGGGGGGGGwgk.....",
    ".....kwwwwwwwwwwwwwwwwwwwgk.....",
    ".....kwwGGGGGGGGGGGGwwwwwgk.....",
    ".....kwwwwwwwwwwwwwwwwwwwgk.....",
    ".....kwwwwwwwwwwwwwwwwwwwgk.....",
    ".....kwwGGGGGGGGGGGGGGGGwgk.....",
    ".....kwwwwwwwwwwwwwwwwwwwgk.....",
    ".....kwwGGGGGGGGGGGGGGwwwgk.....",
    ".....kwwwwwwwwwwwwwwwwwwwgk.....",
    ".....kwwGGGGGGGGGGGGGGGGwgk.....",
    ".....kwwwwwwwwwwwwwwwwwwwgk.....",
    ".....kwwGGGGGGGGGwwwwwwwwgk.....",
    ".....kwwwwwwwwwwwwwwwwwwwgk.....",
    ".....kwwwwwwwwwwwwwwwwwwwgk.....",
    ".....kwwwwwwwwwwwwwwwwwwwgk.....",
    ".....kggggggggggggggggggggk.....",
    ".....kkkkkkkkkkkkkkkkkkkkkk.....",
    "................................",
])

# --- report: a sheet with a bar chart and a sum ----------------------------
icon("report.xpm", (32, 32), {
    ".": NONE, "k": OUTLINE, "w": WHITE, "g": PAPER_SHADE, "G": LINE_GREY,
    "D": TEXT_DARK, "B": BLUE_DARK, "b": BLUE, "e": GREEN, "E": GREEN_DARK,
    "y": YELLOW, "Y": GOLD, "r": RED, "R": RED_DARK,
}, [
    "................................",
    "....kkkkkkkkkkkkkkkkkkkkkkkk....",
    "....kwwwwwwwwwwwwwwwwwwwwwgk....",
    "....kwwwwwwwwwwwwwwwwwwwwwgk....",
    "....kwwBBBBBBBBBBBwwwwwwwwgk....",
    "....kwwwwwwwwwwwwwwwwwwwwwgk....",
    "....kwwwwwwwwwwwwwwwwwwwwwgk....",
    "....kwwDwwwwwwwwwwwwwwkkkwgk....",
    "....kwwDwwwwwwwwwwwwwwkrRwgk....",
    "....kwwDwwwwwwwkkkwwwwkrRwgk....",
    "....kwwDwwwwwwwkeEwwwwkrRwgk....",
    "....kwwDwwwwwwwkeEwwwwkrRwgk....",
    "....kwwDwwwwwwwkeEkkkwkrRwgk....",
    "....kwwDwwwwwwwkeEkyYwkrRwgk....",
    "....kwwDwwkkkwwkeEkyYwkrRwgk....",
    "....kwwDwwkbBwwkeEkyYwkrRwgk....",
    "....kwwDwwkbBwwkeEkyYwkrRwgk....",
    "....kwwDwwkbBwwkeEkyYwkrRwgk....",
    "....kwwDwwkbBwwkeEkyYwkrRwgk....",
    "....kwwDDDDDDDDDDDDDDDDDDwgk....",
    "....kwwwwwwwwwwwwwwwwwwwwwgk....",
    "....kwwwwwwwwwwwwwwwwwwwwwgk....",
    "....kwwGGGGGGGGwwwwwGGGGGwgk....",
    "....kwwwwwwwwwwwwwwwwwwwwwgk....",
    "....kwwGGGGGGwwwwwwwwGGGGwgk....",
    "....kwwwwwwwwwwwwwwwwwwwwwgk....",
    "....kwwwwwwwwwwwwwwwwwwwwwgk....",
    "....kwwDDDDDwwwwwwwwDDDDDwgk....",
    "....kwwwwwwwwwwwwwwwwwwwwwgk....",
    "....kggggggggggggggggggggggk....",
    "....kkkkkkkkkkkkkkkkkkkkkkkk....",
    "................................",
])

# --- Tovik: a house (home contents edition) --------------------------------
HOUSE_PALETTE = {
    ".": NONE, "k": OUTLINE, "r": RED, "R": RED_DARK, "m": CREAM,
    "M": CREAM_DARK, "l": BLUE_LIGHT, "w": WHITE, "n": BROWN,
    "N": BROWN_DARK, "y": YELLOW, "g": GREY_LIGHT,
}
icon("tovik.xpm", (32, 32), HOUSE_PALETTE, [
    "................................",
    "................................",
    "...............kk...............",
    "..............krrk..............",
    ".............krrrrk.kkkkk.......",
    "............krrrrrrkkRRRk.......",
    "...........kRRRRRRRRkRRRk.......",
    "..........krrrrrrrrrrkRRk.......",
    ".........krrrrrrrrrrrrkRk.......",
    "........krrrrrrrrrrrrrrkk.......",
    ".......kRRRRRRRRRRRRRRRRk.......",
    "......krrrrrrrrrrrrrrrrrrk......",
    ".....krrrrrrrrrrrrrrrrrrrrk.....",
    "....krrrrrrrrrrrrrrrrrrrrrrk....",
    "...krrrrrrrrrrrrrrrrrrrrrrrrk...",
    "..kkkkkkkkkkkkkkkkkkkkkkkkkkkk..",
    "....kMMMMMMMMMMMMMMMMMMMMMMk....",
    "....kmmmmmmmmmmmmmmmmmmmMMMk....",
    "....kmmkkkkkkkmmmmmmmmmmMMMk....",
    "....kmmkllwllkmmmmmmmmmmMMMk....",
    "....kmmkllwllkmmmkkkkkkmMMMk....",
    "....kmmkwwwwwkmmmknnnnkmMMMk....",
    "....kmmkllwllkmmmknnnnkmMMMk....",
    "....kmmkllwllkmmmknnnnkmMMMk....",
    "....kmmkkkkkkkmmmknnnnkmMMMk....",
    "....kmmmmmmmmmmmmknnynkmMMMk....",
    "....kmmmmmmmmmmmmknnnnkmMMMk....",
    "....kmmmmmmmmmmmmknnnnkmMMMk....",
    "....kmmmmmmmmmmmmknnnnkmMMMk....",
    "....kkkkkkkkkkkkkkkkkkkkkkkk....",
    "................................",
    "................................",
])

# --- Pellin: a camera (picture edition) ------------------------------------
icon("pellin.xpm", (32, 32), {
    ".": NONE, "k": OUTLINE, "g": GREY_LIGHT, "G": GREY, "d": GREY_DARK,
    "D": GREY_DARKER, "b": BLUE_MID, "B": BLUE_DARK, "w": WHITE, "r": RED,
    "y": YELLOW_LIGHT,
}, [
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "...........kkkkkkkkkk...........",
    "..........kddddddddddk..........",
    "...kkkkk..kddDDDDDDddk..kkkkk...",
    "...kyyyk..kddDDDDDDddk..krrrk...",
    "..kkkkkkkkkkkkkkkkkkkkkkkkkkkk..",
    ".kggggggggggggkkkkgggggggggggGk.",
    ".kggggggggggkkDDDDkkgggggggggGk.",
    ".kdddddddddkDDDDDDDDkddddddddDk.",
    ".kddddddddkDDDkkkkDDDkdddddddDk.",
    ".kdddddddkDDkkBBBBkkDDkddddddDk.",
    ".kdddddddkDkBBBBBBBBkDkddddddDk.",
    ".kddddddkDDkBBbbbbBBkDDkdddddDk.",
    ".kddddddkDkBBbwwbbbBBkDkdddddDk.",
    ".kddddddkDkBBbwbbbbBBkDkdddddDk.",
    ".kddddddkDkBBbbbbbbBBkDkdddddDk.",
    ".kddddddkDkBBbbbbbbBBkDkdddddDk.",
    ".kddddddkDDkBBbbbbBBkDDkdddddDk.",
    ".kdddddddkDkBBBBBBBBkDkddddddDk.",
    ".kdddddddkDDkkBBBBkkDDkddddddDk.",
    ".kddddddddkDDDkkkkDDDkdddddddDk.",
    ".kdddddddddkDDDDDDDDkddddddddDk.",
    ".kddddddddddkkDDDDkkdddddddddDk.",
    ".kDDDDDDDDDDDDkkkkDDDDDDDDDDDDk.",
    "..kkkkkkkkkkkkkkkkkkkkkkkkkkkk..",
    "................................",
    "................................",
])

# --- Ostrel: a gold coin with a crown (coin edition) -----------------------
icon("ostrel.xpm", (32, 32), {
    ".": NONE, "k": OUTLINE, "h": YELLOW_LIGHT, "y": YELLOW, "Y": GOLD,
    "o": GOLD_DARK, "r": RED,
}, [
    "................................",
    ".............kkkkk..............",
    "..........kkkhhhhhkkk...........",
    "........kkhhhhhhhhhhhkk.........",
    "......kkhhhhhooooohhhyykk.......",
    ".....khhhhoooyyyyyoooyyyyk......",
    "....khhhhohyyyyyyyyyyoyyyyk.....",
    "....khhoohyyyyyyyyyyyyooyyk.....",
    "...khhhohyyyyyyyyyyyyyyoyyyk....",
    "...khhohyyyyyyyyyyyyyyyyoyyk....",
    "..khhohyyoyyyyyoyyyyyoyyyoyyk...",
    "..khhoyyoooyyyoooyyyoooyyoyYk...",
    "..khhoyyyoyyyyyoyyyyyoyyyoYYk...",
    ".khhoyyyyooyyyoooyyyooyyyyoYYk..",
    ".khhoyyyyoooyoooooyoooyyyyoYYk..",
    ".khhoyyyyoooooooooooooyyyyoYYk..",
    ".khhoyyyyoooooooooooooyyyYoYYk..",
    ".khhoyyyyoooooooooooooyyYYoYYk..",
    "..khhoyyyyyyyyyyyyyyyyyYYoYYk...",
    "..khhoyyyoooooooooooooYYYoYYk...",
    "..khhoyyyooroooYooorooYYYoYYk...",
    "...kyyoyyoooooooooooooYYoYYk....",
    "...kyyyoyyyyyyyyyyyYYYYoYYYk....",
    "....kyyooyyyyyyyyyYYYYooYYk.....",
    "....kyyyyoyyyyyyyYYYYoYYYYk.....",
    ".....kyyyyoooyyyYYoooYYYYk......",
    "......kkyyyyYoooooYYYYYkk.......",
    "........kkyYYYYYYYYYYkk.........",
    "..........kkkYYYYYkkk...........",
    ".............kkkkk..............",
    "................................",
    "................................",
])

# --- Brevane: a cardboard box with a barcode label (stock edition) ---------
icon("brevane.xpm", (32, 32), {
    ".": NONE, "k": OUTLINE, "h": CARD_LIGHT, "c": CARD, "C": CARD_DARK,
    "t": TAPE, "w": WHITE, "G": LINE_GREY,
}, [
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "........kkkkkkkkkkkkkkkkkkkk....",
    ".......khhhhhhhhtttthhhhhhkk....",
    "......khhhhhhhhtttthhhhhhkCk....",
    ".....khhhhhhhhtttthhhhhhkCCk....",
    "....khhhhhhhhtttthhhhhhkCCCk....",
    "...khhhhhhhhtttthhhhhhkCCCCk....",
    "..kkkkkkkkkkttttkkkkkkkCCCCk....",
    "..kcccccccccttttccccccCkCCCk....",
    "..kcccccccccttttccccccCkCCCk....",
    "..kcccccccccccccccccccCkCCCk....",
    "..kcccccccccccccccccccCkCCCk....",
    "..kccGGGGGGGGGGGGGGGccCkCCCk....",
    "..kccGwwwwwwwwwwwwwGccCkCCCk....",
    "..kccGwkwkkwkwkkwkwGccCkCCCk....",
    "..kccGwkwkkwkwkkwkwGccCkCCCk....",
    "..kccGwkwkkwkwkkwkwGccCkCCCk....",
    "..kccGwkwkkwkwkkwkwGccCkCCCk....",
    "..kccGwkwkkwkwkkwkwGccCkCCCk....",
    "..kccGwwwwwwwwwwwwwGccCkCCCk....",
    "..kccGwGwGGwGwGGwGwGccCkCCk.....",
    "..kccGwwwwwwwwwwwwwGccCkCk......",
    "..kccGGGGGGGGGGGGGGGccCkk.......",
    "..kcccccccccccccccccccCk........",
    "..kCCCCCCCCCCCCCCCCCCCCk........",
    "..kkkkkkkkkkkkkkkkkkkkkk........",
    "................................",
    "................................",
])

# --- back / forward: arrows ------------------------------------------------
ARROW_PALETTE = {
    ".": NONE, "k": OUTLINE, "h": GREEN_LIGHT, "e": GREEN, "E": GREEN_DARK,
}
FORWARD = [
    "......................",
    "......................",
    "...........k..........",
    "...........kk.........",
    "...........khk........",
    "...........khek.......",
    "...........kheek......",
    "..kkkkkkkkkkheeek.....",
    "..khhhhhhhhhheeeek....",
    "..keeeeeeeeeeeeeeek...",
    "..keeeeeeeeeeeeeeeek..",
    "..kEEEEEEEEEEEEEEEEk..",
    "..kEEEEEEEEEEEEEEEk...",
    "..kEEEEEEEEEEEEEEk....",
    "..kkkkkkkkkkEEEEk.....",
    "...........kEEEk......",
    "...........kEEk.......",
    "...........kEk........",
    "...........kk.........",
    "...........k..........",
    "......................",
    "......................",
]
icon("forward.xpm", (22, 22), ARROW_PALETTE, FORWARD)
icon("back.xpm", (22, 22), ARROW_PALETTE, mirrored(FORWARD))

# --- report note (Windows icon): a note pad sheet --------------------------
NOTE_ICON = {
    "name": "reportNote.ico", "size": (32, 32),
    "palette": {
        ".": NONE, "k": OUTLINE, "n": NOTE, "N": NOTE_DARK, "l": BLUE_LIGHT,
        "r": RED, "G": GREY, "g": GREY_LIGHT, "D": TEXT_DARK,
    },
    "grid": [
        "................................",
        "......k...k...k...k...k.........",
        ".....kgk.kgk.kgk.kgk.kgk........",
        "...kkkGkkkGkkkGkkkGkkkGkkkkk....",
        "...knnGnnnGnnnGnnnGnnnGnnnnk....",
        "...knnkNnnkNnnkNnnkNnnkNnnnNk...",
        "...knnnnnnnnnnnnnnnnnnnnnnnNk...",
        "...knnnnrnnnnnnnnnnnnnnnnnnNk...",
        "...knnnnrnnnnnnnnnnnnnnnnnnNk...",
        "...klllllllllllllllllllllllNk...",
        "...knnnnrnDDDDDDDDDnnnnnnnnNk...",
        "...knnnnrnnnnnnnnnnnnnnnnnnNk...",
        "...klllllllllllllllllllllllNk...",
        "...knnnnrnDDDDDDDDDDDDDnnnnNk...",
        "...knnnnrnnnnnnnnnnnnnnnnnnNk...",
        "...klllllllllllllllllllllllNk...",
        "...knnnnrnDDDDDDDDDDDnnnnnnNk...",
        "...knnnnrnnnnnnnnnnnnnnnnnnNk...",
        "...klllllllllllllllllllllllNk...",
        "...knnnnrnDDDDDDDDDDDDDDnnnNk...",
        "...knnnnrnnnnnnnnnnnnnnnnnnNk...",
        "...klllllllllllllllllllllllNk...",
        "...knnnnrnDDDDDDDnnnnnnnnnnNk...",
        "...knnnnrnnnnnnnnnnnnnnnnnnNk...",
        "...klllllllllllllllllllllllNk...",
        "...knnnnrnnnnnnnnnnnnnnnnnNNk...",
        "...knnnnrnnnnnnnnnnnnnnnnNNk....",
        "...knnnnrnnnnnnnnnnnnnnnNNk.....",
        "...kNNNNNNNNNNNNNNNNNNNNNk......",
        "...kkkkkkkkkkkkkkkkkkkkkk.......",
        "................................",
        "................................",
    ],
}

# --- application icon: the Tovik house, drawn at 64x64 ---------------------
APP_ICON = {
    "name": "vestrum.png", "size": (64, 64),
    "palette": HOUSE_PALETTE,
    "grid": [
        "................................................................",
        "................................................................",
        "................................................................",
        "................................................................",
        "...............................kk...............................",
        "..............................krrk..............................",
        ".............................kRRRRk.............................",
        "............................krrrrRrk....kkkkkkkkkk..............",
        "...........................krrRrrrrrk...kggggggggk..............",
        "..........................krrrRrrrrrRk..kkkkkkkkkk..............",
        ".........................kRRRRRRRRRRRRk..kRrrrRrk...............",
        "........................krrrrrRrrrrrRrrk.kRrrrRrk...............",
        ".......................krrrRrrrrrRrrrrrRkkRRRRRRk...............",
        "......................krrrrRrrrrrRrrrrrRrkrrRrrrk...............",
        ".....................kRRRRRRRRRRRRRRRRRRRRkrRrrrk...............",
        "....................kRrrrrrRrrrrrRrrrrrRrrrkRRRRk...............",
        "...................krrrrRrrrrrRkkrrrRrrrrrRrkrRrk...............",
        "..................krrrrrRrrrrkkllkkrRrrrrrRrrkRrk...............",
        ".................kRRRRRRRRRRRkllllkRRRRRRRRRRRkRk...............",
        "................krRrrrrrRrrrkllllllkRrrrrrRrrrrkk...............",
        "...............krrrrrRrrrrrRkllllllkrrrRrrrrrRrrk...............",
        "..............kRrrrrrRrrrrrRrkllllkrrrrRrrrrrRrrrk..............",
        ".............kRRRRRRRRRRRRRRRkkllkkRRRRRRRRRRRRRRRk.............",
        "............krrRrrrrrRrrrrrRrrrkkRrrrrrRrrrrrRrrrrrk............",
        "...........kRrrrrrRrrrrrRrrrrrRrrrrrRrrrrrRrrrrrRrrrk...........",
        "..........krRrrrrrRrrrrrRrrrrrRrrrrrRrrrrrRrrrrrRrrrrk..........",
        ".........kRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRk.........",
        "........krrrRrrrrrRrrrrrRrrrrrRrrrrrRrrrrrRrrrrrRrrrrrRk........",
        ".......krRrrrrrRrrrrrRrrrrrRrrrrrRrrrrrRrrrrrRrrrrrRrrrrk.......",
        "......krrRrrrrrRrrrrrRrrrrrRrrrrrRrrrrrRrrrrrRrrrrrRrrrrrk......",
        ".....kkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkk.....",
        ".........kMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMk.........",
        ".........kmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmMMMMk.........",
        ".........kmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmMMMMk.........",
        ".........kmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmMMMMk.........",
        ".........kmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmMMMMk.........",
        ".........kmmmmkkkkkkkkkkkkkkmmmmmmmmmmmmmmmmmmmmmmMMMMk.........",
        ".........kmmmmkwwwwwwwwwwwwkmmmmmmmmmmmmmmmmmmmmmmMMMMk.........",
        ".........kmmmmkwllllwwllllwkmmmmmmmmmmmmmmmmmmmmmmMMMMk.........",
        ".........kmmmmkwllllwwllllwkmmmmmmkkkkkkkkkkkkmmmmMMMMk.........",
        ".........kmmmmkwllllwwllllwkmmmmmmknnnnnnnnnnkmmmmMMMMk.........",
        ".........kmmmmkwllllwwllllwkmmmmmmknNNNNNNNNnkmmmmMMMMk.........",
        ".........kmmmmkwwwwwwwwwwwwkmmmmmmknNnnNNnnNnkmmmmMMMMk.........",
        ".........kmmmmkwwwwwwwwwwwwkmmmmmmknNnnNNnnNnkmmmmMMMMk.........",
        ".........kmmmmkwllllwwllllwkmmmmmmknNnnNNnnNnkmmmmMMMMk.........",
        ".........kmmmmkwllllwwllllwkmmmmmmknNnnNNnnNnkmmmmMMMMk.........",
        ".........kmmmmkwllllwwllllwkmmmmmmknNnnNNnnNnkmmmmMMMMk.........",
        ".........kmmmmkwllllwwllllwkmmmmmmknNnnNNnnNnkmmmmMMMMk.........",
        ".........kmmmmkwwwwwwwwwwwwkmmmmmmknNNNNNNNNnkmmmmMMMMk.........",
        ".........kmmmmkkkkkkkkkkkkkkmmmmmmknnnnnnnnnnkmmmmMMMMk.........",
        ".........kmmmmmmmmmmmmmmmmmmmmmmmmknnnnnnnyynkmmmmMMMMk.........",
        ".........kmmmmmmmmmmmmmmmmmmmmmmmmknNNNNNNNNnkmmmmMMMMk.........",
        ".........kmmmmmmmmmmmmmmmmmmmmmmmmknNnnNNnnNnkmmmmMMMMk.........",
        ".........kmmmmmmmmmmmmmmmmmmmmmmmmknNnnNNnnNnkmmmmMMMMk.........",
        ".........kmmmmmmmmmmmmmmmmmmmmmmmmknNnnNNnnNnkmmmmMMMMk.........",
        ".........kmmmmmmmmmmmmmmmmmmmmmmmmknNnnNNnnNnkmmmmMMMMk.........",
        ".........kmmmmmmmmmmmmmmmmmmmmmmmmknNnnNNnnNnkmmmmMMMMk.........",
        ".........kmmmmmmmmmmmmmmmmmmmmmmmmknNNNNNNNNnkmmmmMMMMk.........",
        ".........kmmmmmmmmmmmmmmmmmmmmmmmmknnnnnnnnnnkmmmmMMMMk.........",
        ".........kkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkk.........",
        "................................................................",
        "................................................................",
        "................................................................",
        "................................................................",
    ],
}


# ---------------------------------------------------------------------------
# Checking and writing.
# ---------------------------------------------------------------------------
def check(entry):
    name = entry["name"]
    width, height = entry["size"]
    grid, palette = entry["grid"], entry["palette"]
    if len(grid) != height:
        raise SystemExit("%s: %d rows, expected %d" % (name, len(grid), height))
    for number, row in enumerate(grid):
        if len(row) != width:
            raise SystemExit("%s: row %d has %d pixels, expected %d"
                             % (name, number, len(row), width))
        for ch in row:
            if ch not in palette:
                raise SystemExit("%s: row %d uses %r, which has no colour"
                                 % (name, number, ch))
    for ch, colour in palette.items():
        if len(ch) != 1 or ch in '"\\':
            raise SystemExit("%s: bad palette character %r" % (name, ch))
        if colour != NONE and not (len(colour) == 7 and colour[0] == "#"
                                   and all(c in "0123456789ABCDEFabcdef"
                                           for c in colour[1:])):
            raise SystemExit("%s: bad colour %r" % (name, colour))
    opaque = sum(1 for row in grid for ch in row if palette[ch] != NONE)
    if opaque == 0:
        raise SystemExit("%s: the icon is blank" % name)


def array_name(file_name):
    """A valid C identifier for the XPM array, e.g. "filenew_xpm"."""
    base = os.path.splitext(file_name)[0]
    ident = "".join(c if c.isalnum() else "_" for c in base)
    if ident[0].isdigit():
        ident = "_" + ident
    return ident + "_xpm"


def xpm_text(entry):
    width, height = entry["size"]
    grid, palette = entry["grid"], entry["palette"]
    used = []
    for row in grid:
        for ch in row:
            if ch not in used:
                used.append(ch)
    # Transparent first, then the colours in the order of the palette.
    used.sort(key=lambda c: (palette[c] != NONE, list(palette).index(c)))
    lines = ['"%d %d %d 1",' % (width, height, len(used))]
    for ch in used:
        lines.append('"%s c %s",' % (ch, palette[ch]))
    for row in grid:
        lines.append('"%s",' % row)
    lines[-1] = lines[-1][:-1]          # no comma after the last row
    return ("/* XPM */\nstatic const char *%s[] = {\n%s\n};\n"
            % (array_name(entry["name"]), "\n".join(lines)))


def rgba_rows(entry):
    palette = entry["palette"]
    rows = []
    for row in entry["grid"]:
        data = bytearray()
        for ch in row:
            colour = palette[ch]
            if colour == NONE:
                data += b"\0\0\0\0"
            else:
                data += bytes(int(colour[i:i + 2], 16) for i in (1, 3, 5))
                data += b"\xff"
        rows.append(bytes(data))
    return rows


def png_bytes(entry):
    """A straightforward 8-bit RGBA PNG of the grid."""
    width, height = entry["size"]

    def chunk(kind, data):
        body = kind + data
        return (struct.pack(">I", len(data)) + body
                + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF))

    raw = b"".join(b"\0" + row for row in rgba_rows(entry))
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height,
                                         8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def write_ico(entry, path):
    convert = shutil.which("convert")
    if not convert:
        raise SystemExit("ImageMagick's convert is needed for %s"
                         % entry["name"])
    subprocess.run([convert, "png:-", "ico:" + path],
                   input=png_bytes(entry), check=True)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else DEFAULT_OUT
    os.makedirs(out, exist_ok=True)
    for entry in ICONS + [NOTE_ICON, APP_ICON]:
        check(entry)
    for entry in ICONS:
        with open(os.path.join(out, entry["name"]), "w", newline="\n") as f:
            f.write(xpm_text(entry))
    with open(os.path.join(out, APP_ICON["name"]), "wb") as f:
        f.write(png_bytes(APP_ICON))
    write_ico(NOTE_ICON, os.path.join(out, NOTE_ICON["name"]))
    for entry in ICONS + [NOTE_ICON, APP_ICON]:
        print("wrote", os.path.join(out, entry["name"]))


if __name__ == "__main__":
    main()
