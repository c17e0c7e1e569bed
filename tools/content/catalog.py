# SPDX-License-Identifier: GPL-3.0-or-later
"""What the demo content offers: the exercise pictures with their clip-art
sources and words in both languages, and the content lists built from them.

Each exercise has one id, used as the file name of its picture
(gfx/images/<id>.png), its sound (sfx/images/<id>.wav) and its speech
recording in every language (speech/<language>/<id>.wav)."""

CLIPART = "/usr/share/openclipart/svg/"

# Colours of the list editor's palette, as the signed numbers the list files hold.
WHITE = -1
BLACK = -16777216
TURQUOISE = -12132367
LIGHT_BLUE = -12595459
BLUE = -16776961
DARK_BLUE = -14534998
PALE_YELLOW_GREEN = -1180223
LIGHT_GREEN = -4852342
GREEN = -6697128
GRASS_GREEN = -9389545
DARK_GREEN = -11700673
YELLOW = -138974
ORANGE = -220101
RED_ORANGE = -759773
RED = -2409926
PINK = -11052
MAGENTA = -3328116
VIOLET = -4440067
NO_COLOUR = 16777215

PALETTE = [WHITE, BLACK, TURQUOISE, LIGHT_BLUE, BLUE, DARK_BLUE, PALE_YELLOW_GREEN,
           LIGHT_GREEN, GREEN, GRASS_GREEN, DARK_GREEN, YELLOW, ORANGE, RED_ORANGE,
           RED, PINK, MAGENTA, VIOLET, NO_COLOUR]


class Exercise:
    def __init__(self, ident, group, source, english, swedish, colour):
        self.id = ident
        self.group = group
        self.source = source
        self.english = english
        self.swedish = swedish
        self.colour = colour

    def word(self, language):
        return self.english if language == "English" else self.swedish


E = Exercise
EXERCISES = [
    # animals
    E("cat", "animals", "animals/mammals/housecats/gatto_cat_architetto_fra_03.svg", "cat", "katt", LIGHT_GREEN),
    E("dog", "animals", "animals/mammals/dogs/beagle_copper_ganson.svg", "dog", "hund", PALE_YELLOW_GREEN),
    E("horse", "animals", "animals/mammals/horses/cavallo_architetto_franc_05.svg", "horse", "häst", GREEN),
    E("pig", "animals", "animals/mammals/pig_marcelo_caiafa1.svg", "pig", "gris", LIGHT_BLUE),
    E("cow", "animals", "animals/mammals/vacca_pezzata_rossa_val_01.svg", "cow", "ko", GRASS_GREEN),
    E("sheep", "animals", "animals/mammals/pecora_architetto_france_01.svg", "sheep", "får", NO_COLOUR),
    E("hen", "animals", "animals/birds/hen_01.svg", "hen", "höna", YELLOW),
    E("elephant", "animals", "animals/mammals/elefante02_architetto_fr_01.svg", "elephant", "elefant", ORANGE),
    E("fish", "animals", "animals/fish/yellow_gourami_01.svg", "fish", "fisk", BLUE),
    E("frog", "animals", "animals/rana03_architetto_france_01.svg", "frog", "groda", TURQUOISE),
    E("lion", "animals", "animals/mammals/big_cats/leone_01_architetto_fran_01.svg", "lion", "lejon", RED_ORANGE),
    E("monkey", "animals", "animals/mammals/happy_monkey_benji_park_01.svg", "monkey", "apa", NO_COLOUR),
    E("tiger", "animals", "animals/mammals/big_cats/tiger_graig_ryan_smith_-_01.svg", "tiger", "tiger", DARK_GREEN),
    E("owl", "animals", "animals/birds/gufo_civetta_architetto__01.svg", "owl", "uggla", DARK_BLUE),
    E("ladybug", "animals", "animals/bugs/ladybug_01.svg", "ladybird", "nyckelpiga", LIGHT_GREEN),
    # vehicles
    E("car", "vehicles", "transportation/vehicles/car.svg", "car", "bil", LIGHT_BLUE),
    E("bus", "vehicles", "transportation/bus1_jarno_vasamaa_01.svg", "bus", "buss", YELLOW),
    E("truck", "vehicles", "transportation/truck_jarno_vasamaa1.svg", "lorry", "lastbil", ORANGE),
    E("tractor", "vehicles", "transportation/vehicles/trattore_architetto_fran_01.svg", "tractor", "traktor", GRASS_GREEN),
    E("aeroplane", "vehicles", "transportation/vehicles/aircraft_jarno_vasamaa3.svg", "aeroplane", "flygplan", BLUE),
    E("boat", "vehicles", "transportation/vehicles/trawler_01.svg", "boat", "båt", TURQUOISE),
    E("bicycle", "vehicles", "transportation/vehicles/bicycle_01.svg", "bicycle", "cykel", NO_COLOUR),
    E("train", "vehicles", "recreation/toys/kiddy_train_orlando_kara_.svg", "train", "tåg", RED),
    E("rocket", "vehicles", "transportation/vehicles/rocket.svg", "rocket", "raket", DARK_BLUE),
    # food
    E("apple", "food", "food/fruit/an_apple_01.svg", "apple", "äpple", LIGHT_GREEN),
    E("banana", "food", "food/fruit/bananas_nicu_buculei_01.svg", "banana", "banan", VIOLET),
    E("strawberry", "food", "food/fruit/strawberry.svg", "strawberry", "jordgubbe", PINK),
    E("carrot", "food", "food/vegetables/what_s_up_doc_01.svg", "carrot", "morot", GREEN),
    E("bread", "food", "food/breads_and_carbs/bread_01.svg", "bread", "bröd", NO_COLOUR),
    E("cheese", "food", "food/dairy/cheese_01.svg", "cheese", "ost", BLUE),
    E("cake", "food", "food/desserts/birthday_cake.svg", "cake", "tårta", MAGENTA),
    E("icecream", "food", "food/desserts/cone2_ganson.svg", "ice cream", "glass", LIGHT_BLUE),
    E("juice", "food", "food/beverages/orange_juice_box.svg", "juice", "juice", YELLOW),
    # toys
    E("ball", "toys", "recreation/toys/beach_ball_01.svg", "ball", "boll", PINK),
    E("teddy", "toys", "recreation/toys/simple_teddy_bear_gerald_01.svg", "teddy", "nalle", LIGHT_BLUE),
    E("blocks", "toys", "recreation/toys/abc_blocks_petri_lummema_01.svg", "blocks", "klossar", YELLOW),
    E("duck", "toys", "recreation/toys/rubber_duck1_ganson.svg", "duck", "badanka", BLUE),
    E("drums", "toys", "recreation/music/drums_jarno_vasamaa_.svg", "drums", "trummor", ORANGE),
    E("trumpet", "toys", "recreation/music/trumpet_b_flat_colour_ganso.svg", "trumpet", "trumpet", NO_COLOUR),
    # things at home
    E("clock", "home", "signs_and_symbols/clocks/alarm_clock_mike_powers_.svg", "clock", "klocka", PALE_YELLOW_GREEN),
    E("telephone", "home", "office/telephone/red_telephone_mimooh_01.svg", "telephone", "telefon", LIGHT_GREEN),
    E("cup", "home", "food/beverages/tazza_di_caffe_architett_01.svg", "cup", "kopp", PINK),
    E("shoe", "home", "recreation/sports/tennis_shoe_jarno_vasama_.svg", "shoe", "sko", ORANGE),
    E("umbrella", "home", "tools/umbrella.svg", "umbrella", "paraply", TURQUOISE),
    E("toothbrush", "home", "tools/toothbrush_and_paste_ganson.svg", "toothbrush", "tandborste", LIGHT_BLUE),
    E("house", "home", "buildings/homes/house.svg", "house", "hus", GRASS_GREEN),
]

BY_ID = {e.id: e for e in EXERCISES}

# The list every activity starts with: a mix a young child knows well.
VIMO_LIST = ["cat", "car", "apple", "dog", "ball", "bus", "cow", "banana", "teddy",
             "duck", "pig", "train", "fish", "telephone", "horse", "cake", "aeroplane",
             "sheep", "strawberry", "boat", "hen", "shoe", "elephant", "clock"]

# Themed lists: file name per language and the exercises in order.
THEMED_LISTS = [
    ({"English": "animals", "Swedish": "djur"}, "animals"),
    ({"English": "vehicles", "Swedish": "fordon"}, "vehicles"),
    ({"English": "food", "Swedish": "mat"}, "food"),
    ({"English": "toys", "Swedish": "leksaker"}, "toys"),
    ({"English": "home", "Swedish": "hemma"}, "home"),
]

LANGUAGES = ["English", "Swedish"]

# The six activities' names in the menu's order (gfx/menu/game01 to game06), spoken when
# scanning reaches their pictures.
ACTIVITY_NAMES = {
    "English": ["Colour rings", "Picture steps", "Find images", "Painting", "Picture and word",
                "Moving pictures"],
    "Swedish": ["Färgringar", "Bildsteg", "Hitta bilder", "Måla", "Bild och ord",
                "Rörliga bilder"],
}


def lists_for(language):
    """(file name, [exercise]) for every list of the language."""
    out = [("vimo", [BY_ID[i] for i in VIMO_LIST])]
    for names, group in THEMED_LISTS:
        out.append((names[language], [e for e in EXERCISES if e.group == group]))
    return out
