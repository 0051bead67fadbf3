#pragma once

class Button;
class GameplaySystem;
class MenuList;
class Space;

// What the three menus share: the cursor moves and the buttons' pictures. A move plays the
// screen's "MenuButtonSound" and makes the new button's identity (its NotSelectedFileName) the
// choice. An empty list has no cursor: nothing moves and no picture changes.

// A vertical menu: S moves to the next button unless the cursor is on the last, W to the
// previous unless it is on the first.
void MoveInColumn(MenuList& menu, Space& screen);

// The level selection's grid of six buttons a row: S or Down six on, W or Up six back, D or
// Right one on, A or Left one back, each only onto a button the save has unlocked.
void MoveInGrid(GameplaySystem& gameplay, MenuList& menu, Space& screen);

// The chosen button shows its selected picture, every other one its plain picture.
void ShowButtonPictures(const MenuList& menu);

// Shows the named picture of the button on its object's sprite.
void ShowPicture(const Button& button, bool selected);
