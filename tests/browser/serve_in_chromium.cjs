// kvhost serve used by a person in headless Chromium: the text entry dialog, the grid dialog
// and the cutting stock dialog are run from the page and finished with mouse and keyboard; the
// session is recorded and the recording replayed with `kvhost run` to the same outputs.
"use strict";
const { chromium } = require("playwright-core");
const { spawn, spawnSync } = require("child_process");
const fs = require("fs");
const path = require("path");

const kvhost = process.env.KVHOST;
const scratch = process.env.SCRATCH;
const recording = path.join(scratch, "session.json");
const environment = Object.assign({}, process.env, { KV_REGISTRY_FILE: path.join(scratch, "registry.json") });

function fail(message) {
  throw new Error(message);
}

function startServer() {
  return new Promise((resolve, reject) => {
    const server = spawn(kvhost, ["serve", "--record", recording], { env: environment, cwd: scratch });
    let seen = "";
    server.stdout.on("data", (chunk) => {
      seen += chunk;
      const found = /serving on (http:\/\/127\.0\.0\.1:\d+\/)/.exec(seen);
      if (found) resolve({ server, url: found[1] });
    });
    server.stderr.on("data", (chunk) => process.stderr.write(chunk));
    server.on("exit", (code) => reject(new Error("kvhost serve ended early (" + code + "):\n" + seen)));
  });
}

async function main() {
  const { server, url } = await startServer();
  const profile = fs.mkdtempSync(path.join(scratch, "profile-"));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: process.env.CHROMIUM,
    headless: true,
    args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run", "--disable-background-networking",
           "--disable-component-update", "--disable-sync"],
  });
  try {
    await session(context, url);
  } finally {
    await context.close();
    server.kill("SIGTERM");
    await new Promise((resolve) => server.on("exit", resolve));
  }
  replay();
}

async function session(context, url) {
  const page = await context.newPage();
  await page.goto(url);
  await page.waitForSelector('.export[data-name="TextEntryDialog"]');

  const state = () => page.evaluate(() => fetch("/api/state").then((r) => r.json()));
  async function waitFor(test, what) {
    for (let i = 0; i < 200; ++i) {
      const s = await state();
      const found = test(s);
      if (found) return found;
      await page.waitForTimeout(100);
    }
    fail("timed out waiting for " + what + "; state: " + JSON.stringify(await state()).slice(0, 2000));
  }
  // The point of the page where a control of an open dialog lies.
  async function pointOf(dialog, control, offset) {
    const found = await waitFor((s) => {
      const w = s.windows.find((w) => w.dialog === dialog && w.controls.some((c) => c.id === control));
      return w && { w, c: w.controls.find((c) => c.id === control) };
    }, "control " + control + " of dialog " + dialog);
    // The page redraws its pictures when the session changes; measure one that stays.
    let box = null;
    for (let i = 0; i < 100 && !box; ++i) {
      box = await page.locator('#desk img[data-dialog="' + dialog + '"]').last().boundingBox().catch(() => null);
      if (!box) await page.waitForTimeout(50);
    }
    if (!box) fail("dialog " + dialog + " is not on the page");
    const dx = offset ? offset[0] : found.c.width / 2, dy = offset ? offset[1] : found.c.height / 2;
    return { x: box.x + (found.c.left - found.w.left) + dx, y: box.y + (found.c.top - found.w.top) + dy };
  }
  async function clickControl(dialog, control, offset) {
    const p = await pointOf(dialog, control, offset);
    await page.mouse.click(p.x, p.y);
  }
  async function run(name, args) {
    await page.click('.export[data-name="' + name + '"]');
    if (args) await page.fill("#arguments", JSON.stringify(args));
    await page.click("#run");
    await waitFor((s) => s.calling || s.call === name, name + " to start");
  }
  const returned = (name) => waitFor((s) => !s.calling && s.call === name && s.outputs && s.outputs, name + " to return");

  // The text entry dialog: click into the field, replace the proposal, OK.
  await run("TextEntryDialog", { title: "New beam", text: "B1" });
  await clickControl(8069, 8003);
  await page.keyboard.press("Home");
  await page.keyboard.press("Shift+End");
  await page.keyboard.type("Main girder");
  await clickControl(8069, 1);
  let outputs = await returned("TextEntryDialog");
  if (outputs.text !== "Main girder" || outputs.result !== true) fail("text entry gave " + JSON.stringify(outputs));
  console.log("text entry: " + JSON.stringify(outputs));

  // A second page only watches.
  const watcher = await context.newPage();
  await watcher.goto(url);
  await watcher.waitForSelector("#readonly", { state: "visible" });
  const refused = await watcher.evaluate(() =>
    fetch("/api/run", { method: "POST", body: JSON.stringify({ client: "someone else", name: "TextEntryDialog" }) }).then((r) => r.status));
  if (refused !== 409) fail("a second page could run an export (status " + refused + ")");
  await watcher.close();

  // Requests that are not JSON or name an unknown export change nothing.
  const statusOf = (body) => page.evaluate((b) => fetch("/api/run", { method: "POST", body: b }).then((r) => r.status), body);
  if ((await statusOf("not json")) !== 400) fail("a request that is not JSON was not refused");
  const client = await page.evaluate(() => client);
  if ((await statusOf(JSON.stringify({ client, name: "NoSuchExport" }))) !== 404) fail("an unknown export was not refused");

  // The grid dialog: click a cell, type over it, OK.
  await run("startGridDialog");
  const during = await statusOf(JSON.stringify({ client, name: "TextEntryDialog" }));
  if (during !== 409) fail("a run during a call was not refused (" + during + "): " + JSON.stringify(await state()).slice(0, 1500));
  await clickControl(208, 1196, [40, 50]);
  await page.keyboard.type("P2a");
  await clickControl(208, 1);
  outputs = await returned("startGridDialog");
  if (!JSON.stringify(outputs).includes("P2a")) fail("the grid edit did not arrive: " + JSON.stringify(outputs));
  console.log("grid: " + JSON.stringify(outputs).slice(0, 200));

  // The cutting stock dialog: add a row, OK.
  await run("StartDlgCSP2");
  await clickControl(8122, 8601);
  await clickControl(8122, 1);
  outputs = await returned("StartDlgCSP2");
  const sample = await page.evaluate(() => exports.find((e) => e.name === "StartDlgCSP2").sample);
  const rowsBefore = sample.data.tables[0].rows.length, rowsAfter = outputs.data.tables[0].rows.length;
  if (outputs.result !== true || rowsAfter !== rowsBefore + 1)
    fail("cutting stock gave " + JSON.stringify(outputs).slice(0, 500) + " from " + rowsBefore + " rows");
  console.log("cutting stock: result " + outputs.result + ", " + rowsBefore + " rows became " + rowsAfter);
  await page.screenshot({ path: path.join(scratch, "page.png") });
}

// The recording replays with kvhost run to the same outputs (each step expects them).
function replay() {
  const recorded = JSON.parse(fs.readFileSync(recording, "utf8"));
  if (recorded.steps.length !== 3) fail("the recording has " + recorded.steps.length + " steps");
  if (!JSON.stringify(recorded).includes('"do":"check"')) fail("the recording has no checks");
  const replayed = spawnSync(kvhost, ["run", recording], { env: environment, cwd: scratch, encoding: "utf8" });
  if (replayed.status !== 0) fail("the recording did not replay:\n" + replayed.stdout + replayed.stderr + "\n" + JSON.stringify(recorded, null, 1));
  console.log("replayed " + recording + " with kvhost run");
}

main().then(() => console.log("browser test passed"), (error) => {
  console.error(error.stack || String(error));
  process.exit(1);
});
